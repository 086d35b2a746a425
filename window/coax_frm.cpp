// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "coax_frm.hpp"

#include "layout.hpp"
#include "result_field.hpp"
#include "text_room.hpp"
#include "window_icon.hpp"

#include "ridi/catalogue.hpp"

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

QLabel* caption_label(QWidget* window, int index, const QString& caption) {
    auto* label = new QLabel(caption, window);
    label->setObjectName(QStringLiteral("lbl_lbl_%1").arg(index));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* text_field(QWidget* window, const char* name, const QString& text,
                      const QString& tooltip) {
    auto* field = new QLineEdit(text, window);
    field->setObjectName(QLatin1String(name));
    field->setMaxLength(std::numeric_limits<int>::max());
    field->setToolTip(tooltip);
    field->setAccessibleDescription(tooltip);
    return field;
}

// White, Arial 14.25 pt, selectable for copying but never editable. Clicking it gives it the
// focus for keyboard selection; Tab passes it by. Screen readers find `caption` as its label.
QLabel* result_label(QWidget* window, const char* name, const QString& tooltip, QLabel& caption) {
    auto* label = new result_field(window);
    label->setObjectName(QLatin1String(name));
    label->set_caption(caption);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(14.25);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setFocusPolicy(Qt::ClickFocus);
    label->setToolTip(tooltip);
    label->setAccessibleDescription(tooltip);
    return label;
}

// A text that must fit `control`, whose box in the layout goes by its object name.
template <class Control> layout::text_box text_box_for(const Control& control, QSize text) {
    return {layout::pixels(control.objectName().toStdString()), text, [&control](QSize box) {
                return layout::text_room(control, box);
            }};
}

// The widest result the labels are made to show whole, in the result font.
constexpr auto sample_result = "-000.000";

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
    setWindowTitle(QStringLiteral("RI-DI"));
    setWindowIcon(window_icon());

    lbl_lbl_[0] = caption_label(this, 0, QStringLiteral("Frequency"));
    lbl_lbl_[1] = caption_label(this, 1, QStringLiteral("Cable Type"));
    lbl_lbl_[2] = caption_label(this, 2, QStringLiteral("1/4 Wave"));
    lbl_lbl_[3] = caption_label(this, 3, QStringLiteral("RI-DI Length (Metres)"));
    lbl_lbl_[4] = caption_label(this, 4, QStringLiteral("V/F Corrected (Metres)"));

    freq_txt_ = text_field(this, "freq_txt", QStringLiteral("435.850"),
                           QStringLiteral("Center frequency in MHz"));
    qtr_num_txt_ = text_field(this, "qtr_num_txt", QStringLiteral("1"),
                              QStringLiteral("Number of 1/4 waves required"));

    // Any typed text is kept as typed: no entry is ever added and nothing completes it.
    cable_combo_ = new QComboBox(this);
    cable_combo_->setObjectName(QStringLiteral("cable_combo"));
    cable_combo_->setEditable(true);
    cable_combo_->setInsertPolicy(QComboBox::NoInsert);
    cable_combo_->setCompleter(nullptr);
    cable_combo_->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    for (const cable& entry : cable_catalogue()) {
        cable_combo_->addItem(to_qstring(entry.name), 0);
    }
    cable_combo_->setMaxVisibleItems(cable_combo_->count());
    cable_combo_->setCurrentIndex(
        cable_combo_->findText(QStringLiteral("RG-58"), Qt::MatchExactly | Qt::MatchCaseSensitive));
    const QString cable_tooltip = QStringLiteral("Select cable type");
    cable_combo_->setToolTip(cable_tooltip);
    cable_combo_->setAccessibleDescription(cable_tooltip);
    cable_combo_->lineEdit()->setAccessibleDescription(cable_tooltip);

    calc_cmd_ = new command_button(QStringLiteral("&Calculate"), this);
    calc_cmd_->setObjectName(QStringLiteral("calc_cmd"));
    calc_cmd_->setAutoDefault(false);
    calc_cmd_->setDefault(false);
    connect(calc_cmd_, &QPushButton::clicked, this, &coax_frm::calc_cmd_Click);

    coax_length_lbl_ =
        result_label(this, "coax_length_lbl",
                     QStringLiteral("RI-DI length for required number of 1/4 waves"), *lbl_lbl_[3]);
    vf_length_lbl_ = result_label(this, "vf_length_lbl",
                                  QStringLiteral("Velocity factor corrected length"), *lbl_lbl_[4]);

    // Each input is named after its caption, for screen readers.
    const std::array<std::pair<QLabel*, QWidget*>, 3> captioned{{
        {lbl_lbl_[0], freq_txt_},
        {lbl_lbl_[2], qtr_num_txt_},
        {lbl_lbl_[1], cable_combo_},
    }};
    for (const auto& [label, input] : captioned) {
        label->setBuddy(input);
        input->setAccessibleName(label->text());
    }
    cable_combo_->lineEdit()->setAccessibleName(lbl_lbl_[1]->text());

    setTabOrder(freq_txt_, cable_combo_);
    setTabOrder(cable_combo_, calc_cmd_);
    setTabOrder(calc_cmd_, qtr_num_txt_);
    freq_txt_->setFocus();

    place_controls();
}

void coax_frm::place_controls() {
    std::vector<layout::text_box> boxes;
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
            *label, layout::text_size(label->fontMetrics(), QLatin1String(sample_result))));
    }

    scale_ = layout::scale_factor(boxes);
    for (const layout::place& place : layout::places) {
        const QString name =
            QString::fromUtf8(place.name.data(), static_cast<qsizetype>(place.name.size()));
        if (auto* control = findChild<QWidget*>(name, Qt::FindDirectChildrenOnly)) {
            control->setGeometry(layout::scaled(layout::pixels(place.name), scale_));
        }
    }
    setFixedSize(layout::scaled(layout::client_pixels(), scale_));
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
