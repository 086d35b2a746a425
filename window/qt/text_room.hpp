// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How much room a control leaves for its text, given the size of its box: what the widget's
// style takes for frames, margins and the drop-down arrow is subtracted, so the answer holds
// for the style and font in use.
#pragma once

#include <QSize>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ridi::layout {

QSize text_room(const QLabel& label, QSize box);
QSize text_room(const QLineEdit& field, QSize box);
QSize text_room(const QComboBox& combo, QSize box); // for the text in its edit field
QSize text_room(const QPushButton& button, QSize box);

// A one-line text field draws its text this far inside its contents on either side.
inline constexpr int field_text_margin = 2;

// How far the end of a text stays from whatever ends its room, the window's edge included: a
// field's margin and the pixel of the caret after its text.
inline constexpr int text_end_margin = field_text_margin + 1;

} // namespace ridi::layout
