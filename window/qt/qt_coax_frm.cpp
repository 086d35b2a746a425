// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt_coax_frm.hpp"

#include "layout.hpp"
#include "result_field.hpp"
#include "text_room.hpp"
#include "window_icon.hpp"

#include "ridi/catalogue.hpp"
#include "ridi/form/form.hpp"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <limits>
#include <string>
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

// A text that must fit `control`, whose box in the layout goes by its object name.
template <class Control> form::text_box text_box_for(const Control& control, QSize text) {
    return {form::get(control.objectName().toStdString()).box, layout::to_pixel_size(text),
            [&control](form::pixel_size box) {
                return layout::to_pixel_size(layout::text_room(control, layout::to_qsize(box)));
            }};
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
    setObjectName(QStringLiteral("coax_frm"));
    setWindowTitle(to_qstring(form::title));
    setWindowIcon(window_icon());

    for (const form::control& description : form::controls) {
        make_control(this, description);
    }
    for (std::size_t i = 0; i < lbl_lbl_.size(); ++i) {
        lbl_lbl_[i] = control<QLabel>("lbl_lbl_" + std::to_string(i));
    }
    freq_txt_ = control<QLineEdit>("freq_txt");
    qtr_num_txt_ = control<QLineEdit>("qtr_num_txt");
    cable_combo_ = control<QComboBox>("cable_combo");
    calc_cmd_ = control<command_button>("calc_cmd");
    coax_length_lbl_ = control<QLabel>("coax_length_lbl");
    vf_length_lbl_ = control<QLabel>("vf_length_lbl");
    connect(calc_cmd_, &QPushButton::clicked, this, &coax_frm::calc_cmd_Click);

    // Each input and each result is named after its caption, for screen readers.
    for (const form::control& caption : form::controls) {
        const form::control* named = form::find(caption.caption_for);
        if (named == nullptr) {
            continue;
        }
        auto* label = control<QLabel>(caption.name);
        if (named->kind == form::kind::result_label) {
            control<result_field>(named->name)->set_caption(*label);
            continue;
        }
        auto* input = control<QWidget>(named->name);
        label->setBuddy(input);
        input->setAccessibleName(label->text());
        if (auto* combo = qobject_cast<QComboBox*>(input)) {
            combo->lineEdit()->setAccessibleName(label->text());
        }
    }

    const std::vector<const form::control*> tab_order = form::tab_order();
    for (std::size_t i = 1; i < tab_order.size(); ++i) {
        setTabOrder(control<QWidget>(tab_order[i - 1]->name), control<QWidget>(tab_order[i]->name));
    }
    control<QWidget>(form::first_focus().name)->setFocus();

    place_controls();
}

template <class T> T* coax_frm::control(std::string_view name) const {
    auto* found =
        findChild<T*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
                      Qt::FindDirectChildrenOnly);
    Q_ASSERT(found != nullptr);
    return found;
}

void coax_frm::place_controls() {
    std::vector<form::text_box> boxes;
    for (QLabel* label : lbl_lbl_) {
        boxes.push_back(
            text_box_for(*label, layout::text_size(label->fontMetrics(), label->text())));
    }
    for (QLineEdit* field : {freq_txt_, qtr_num_txt_}) {
        boxes.push_back(
            text_box_for(*field, layout::field_text_size(field->fontMetrics(), field->text())));
    }
    boxes.push_back(
        text_box_for(*cable_combo_, layout::field_text_size(cable_combo_->lineEdit()->fontMetrics(),
                                                            cable_combo_->currentText())));
    boxes.push_back(text_box_for(
        *calc_cmd_, layout::text_size(calc_cmd_->fontMetrics(), calc_cmd_->text(), true)));
    for (QLabel* label : {coax_length_lbl_, vf_length_lbl_}) {
        boxes.push_back(text_box_for(
            *label, layout::text_size(label->fontMetrics(), to_qstring(form::widest_result))));
    }

    scale_ = form::scale_factor(boxes, layout::pixels_per_inch);
    for (const form::control& description : form::controls) {
        control<QWidget>(description.name)->setGeometry(layout::pixels(description.name, scale_));
    }
    setFixedSize(layout::client_pixels(scale_));
}

void coax_frm::calc_cmd_Click() {
    try {
        ridi::calc_cmd_Click(*this, options_);
    } catch (const std::exception& error) {
        report_(*this, QString::fromUtf8(error.what()));
    }
}

float coax_frm::Get_Vk() {
    return ridi::Get_Vk(cable_text());
}

std::u16string_view coax_frm::hold(QString text) {
    read_ = std::move(text);
    return {reinterpret_cast<const char16_t*>(read_.utf16()),
            static_cast<std::size_t>(read_.size())};
}

std::u16string_view coax_frm::freq_text() {
    return hold(freq_txt_->text());
}
std::u16string_view coax_frm::qtr_num_text() {
    return hold(qtr_num_txt_->text());
}
std::u16string_view coax_frm::cable_text() {
    return hold(cable_combo_->currentText());
}
std::u16string_view coax_frm::coax_length_caption() {
    return hold(coax_length_lbl_->text());
}
void coax_frm::set_coax_length_caption(std::u16string_view caption) {
    coax_length_lbl_->setText(to_qstring(caption));
}
void coax_frm::set_vf_length_caption(std::u16string_view caption) {
    vf_length_lbl_->setText(to_qstring(caption));
}

} // namespace ridi
