// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_room.hpp"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>

namespace ridi::layout {
namespace {

QSize without_field_margins(QSize contents, const QLineEdit& field) {
    const QMargins margins = field.textMargins();
    return {contents.width() - margins.left() - margins.right() - 2 * field_text_margin,
            contents.height() - margins.top() - margins.bottom()};
}

} // namespace

QSize text_room(const QLabel& label, QSize box) {
    const int frame = label.frameWidth();
    int indent = label.indent();
    if (indent < 0) {
        indent = frame > 0 ? label.fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    }
    const int margin = label.margin();
    return {box.width() - 2 * (frame + margin) - indent, box.height() - 2 * (frame + margin)};
}

QSize text_room(const QLineEdit& field, QSize box) {
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.rect = QRect(QPoint(0, 0), box);
    option.lineWidth =
        field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field)
                         : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    option.features = QStyleOptionFrame::None;
    const QRect contents =
        field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    return without_field_margins(contents.size(), field);
}

QSize text_room(const QComboBox& combo, QSize box) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.rect = QRect(QPoint(0, 0), box);
    option.editable = combo.isEditable();
    option.frame = combo.hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect edit_field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, &combo);
    if (const QLineEdit* field = combo.lineEdit()) {
        return without_field_margins(edit_field.size(), *field);
    }
    return edit_field.size();
}

QSize text_room(const QPushButton& button, QSize box) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = QRect(QPoint(0, 0), box);
    option.text = button.text();
    option.features = button.isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).size();
}

} // namespace ridi::layout
