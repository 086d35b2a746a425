// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How much room a control leaves for its text, given the size of its box: what the widget's
// style takes for frames, margins and the drop-down arrow is subtracted, so the answer holds
// for the style and font in use.
#pragma once

#include <QSize>
#include <QString>

class QComboBox;
class QFontMetrics;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ridi::layout {

QSize text_room(const QLabel& label, QSize box);
QSize text_room(const QLineEdit& field, QSize box);
QSize text_room(const QComboBox& combo, QSize box); // for the text in its edit field
QSize text_room(const QPushButton& button, QSize box);

// The size one line of `text` takes in `metrics`. With `access_key`, an "&" marks the access
// key and takes no room of its own, as on a button.
QSize text_size(const QFontMetrics& metrics, const QString& text, bool access_key = false);

// The same, in a one-line text field, which also needs a pixel for the cursor after the text.
QSize field_text_size(const QFontMetrics& metrics, const QString& text);

} // namespace ridi::layout
