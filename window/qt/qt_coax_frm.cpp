// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_coax_frm.hpp"

#include "layout.hpp"
#include "result_field.hpp"
#include "text_room.hpp"
#include "window_icon.hpp"

#include "ridi/catalogue.hpp"
#include "ridi/form/form.hpp"
#include "ridi/form/form_layout.hpp"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <limits>
#include <vector>

namespace ridi {
namespace {

QString to_qstring(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QString object_name(const form::control& control) {
    return QString::fromLatin1(control.name.data(), static_cast<qsizetype>(control.name.size()));
}

// The tooltip, also read by screen readers as the control's description.
void set_tooltip(QWidget* control, const form::control& description) {
    const QString tooltip = to_qstring(description.tooltip);
    control->setToolTip(tooltip);
    control->setAccessibleDescription(tooltip);
}

QLabel* caption_label(QWidget* window, const form::control& description) {
    auto* label = new QLabel(to_qstring(description.text), window);
    label->setObjectName(object_name(description));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* text_field(QWidget* window, const form::control& description) {
    auto* field = new QLineEdit(to_qstring(description.text), window);
    field->setObjectName(object_name(description));
    field->setMaxLength(std::numeric_limits<int>::max());
    set_tooltip(field, description);
    return field;
}

// Any typed text is kept as typed: no entry is ever added and nothing completes it.
QComboBox* drop_down(QWidget* window, const form::control& description) {
    auto* combo = new QComboBox(window);
    combo->setObjectName(object_name(description));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    for (const cable& entry : form::cable_list()) {
        combo->addItem(to_qstring(entry.name), form::cable_item_value);
    }
    combo->setMaxVisibleItems(combo->count());
    combo->setCurrentIndex(form::starting_cable_index());
    combo->setEditText(to_qstring(description.text));
    set_tooltip(combo, description);
    combo->lineEdit()->setAccessibleDescription(combo->toolTip());
    return combo;
}

QPushButton* push_button(QWidget* window, const form::control& description) {
    auto* button = new command_button(to_qstring(description.text), window);
    button->setObjectName(object_name(description));
    button->setAutoDefault(false);
    button->setDefault(false);
    if (!description.tooltip.empty()) {
        set_tooltip(button, description);
    }
    return button;
}

// White, in the result font, selectable for copying but never editable. Clicking it gives it
// the focus for keyboard selection; Tab passes it by.
QLabel* result_label(QWidget* window, const form::control& description) {
    auto* label = new result_field(window);
    label->setText(to_qstring(description.text));
    label->setObjectName(object_name(description));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    const form::font& result = form::result_font;
    QFont font(to_qstring(result.family));
    font.setPointSizeF(result.points);
    font.setWeight(static_cast<QFont::Weight>(result.weight));
    font.setItalic(result.italic);
    font.setUnderline(result.underline);
    font.setStrikeOut(result.strike_out);
    label->setFont(font);
    QPalette palette = label->palette();
    const form::colour& white = form::result_background;
    palette.setColor(QPalette::Window, QColor(white.red, white.green, white.blue));
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setFocusPolicy(Qt::ClickFocus);
    set_tooltip(label, description);
    return label;
}

QWidget* make_control(QWidget* window, const form::control& description) {
    switch (description.kind) {
    case form::kind::caption_label:
        return caption_label(window, description);
    case form::kind::text_field:
        return text_field(window, description);
    case form::kind::drop_down:
        return drop_down(window, description);
    case form::kind::push_button:
        return push_button(window, description);
    case form::kind::result_label:
        return result_label(window, description);
    }
    return nullptr;
}

// The text that must fit `control`, made from `description` (what its kind shows, as `shows`
// has it now), measured in the font of `text_widget`, which draws it.
template <class Control>
form::text_box text_box_for(const form::control& description, const Control& control,
                            const QWidget& text_widget, const QString& shows) {
    const QFontMetrics metrics = text_widget.fontMetrics();
    return form::fit_box(
        description, shows.toStdU16String(),
        [metrics](std::u16string_view text, form::text_font /*font*/) {
            // Each control draws in its own font: the message font, or a result's.
            return form::pixel_size{metrics.horizontalAdvance(to_qstring(text)), metrics.height()};
        },
        [&control](form::pixel_size box) {
            return layout::to_pixel_size(layout::text_room(control, layout::to_qsize(box)));
        });
}

} // namespace

void command_button::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat()) {
            click();
        }
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

number_options options_for(const QLocale& locale) {
    return {.decimal_comma = locale.decimalPoint() == QStringLiteral(",")};
}

coax_frm::coax_frm(error_reporter report, const QLocale& locale, QWidget* parent)
    : QWidget(parent), report_(std::move(report)), options_(options_for(locale)) {
    setObjectName(QString::fromLatin1(form::window_name.data(),
                                      static_cast<qsizetype>(form::window_name.size())));
    setWindowTitle(to_qstring(form::title));
    setWindowIcon(window_icon());

    for (const form::control& description : form::controls) {
        controls_[static_cast<std::size_t>(description.id)] = make_control(this, description);
    }
    connect(control<QPushButton>(form::control_id::calc_cmd), &QPushButton::clicked, this,
            [this] { calc_cmd_Click(); });

    // Each input and each result is named after its caption, for screen readers.
    for (const form::control& caption : form::controls) {
        const form::control* named = form::named_by(caption);
        if (named == nullptr) {
            continue;
        }
        auto* label = control<QLabel>(caption.id);
        if (named->kind == form::kind::result_label) {
            control<result_field>(named->id)->set_caption(*label);
            continue;
        }
        auto* input = control<QWidget>(named->id);
        label->setBuddy(input);
        input->setAccessibleName(label->text());
        if (auto* combo = qobject_cast<QComboBox*>(input)) {
            combo->lineEdit()->setAccessibleName(label->text());
        }
    }

    const std::vector<const form::control*> tab_order = form::tab_order();
    for (std::size_t i = 1; i < tab_order.size(); ++i) {
        setTabOrder(control<QWidget>(tab_order[i - 1]->id), control<QWidget>(tab_order[i]->id));
    }
    control<QWidget>(form::first_focus().id)->setFocus();

    place_controls();
}

template <class T> T* coax_frm::control(form::control_id id) const {
    auto* found = qobject_cast<T*>(controls_[static_cast<std::size_t>(id)]);
    Q_ASSERT(found != nullptr);
    return found;
}

void coax_frm::place_controls() {
    std::vector<form::text_box> boxes;
    for (const form::control& description : form::controls) {
        switch (description.kind) {
        case form::kind::caption_label:
        case form::kind::result_label: {
            auto* label = control<QLabel>(description.id);
            boxes.push_back(text_box_for(description, *label, *label, label->text()));
            break;
        }
        case form::kind::text_field: {
            auto* field = control<QLineEdit>(description.id);
            boxes.push_back(text_box_for(description, *field, *field, field->text()));
            break;
        }
        case form::kind::drop_down: {
            auto* combo = control<QComboBox>(description.id);
            boxes.push_back(
                text_box_for(description, *combo, *combo->lineEdit(), combo->currentText()));
            break;
        }
        case form::kind::push_button: {
            auto* button = control<QPushButton>(description.id);
            boxes.push_back(text_box_for(description, *button, *button, button->text()));
            break;
        }
        }
    }

    // A caption keeps the same room from the window's edge as a field's text from its edge or
    // the drop-down's arrow.
    scale_ = form::scale_factor(boxes, layout::pixels_per_inch, layout::text_end_margin);
    for (const form::control& description : form::controls) {
        control<QWidget>(description.id)->setGeometry(layout::pixels(description, scale_));
    }
    setFixedSize(layout::client_pixels(scale_));
}

std::u16string coax_frm::control_text(const form::control& description) {
    QWidget* widget = control<QWidget>(description.id);
    switch (description.kind) {
    case form::kind::text_field:
        return static_cast<QLineEdit*>(widget)->text().toStdU16String();
    case form::kind::drop_down:
        return static_cast<QComboBox*>(widget)->currentText().toStdU16String();
    case form::kind::push_button:
        return static_cast<QPushButton*>(widget)->text().toStdU16String();
    case form::kind::caption_label:
    case form::kind::result_label:
        break;
    }
    return static_cast<QLabel*>(widget)->text().toStdU16String();
}

void coax_frm::set_control_text(const form::control& description, std::u16string_view text) {
    // The calculation writes only the results, which are labels.
    control<QLabel>(description.id)->setText(to_qstring(text));
}

void coax_frm::report_failure(std::u16string_view message) noexcept {
    try {
        report_(*this, to_qstring(message));
    } catch (...) {
        qWarning("ridi: a failure could not be shown");
    }
}

} // namespace ridi
