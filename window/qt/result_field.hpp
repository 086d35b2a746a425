// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A result of the window: a label whose value can be selected and copied, never edited.
#pragma once

#include <QLabel>

namespace ridi {

// A double-click selects the whole value: a word would end at the decimal point or the minus
// sign, and a pasted "172" of "0.172" would be a thousand times wrong. The right-click menu
// offers Copy (the selection, or the whole value when nothing is selected) and Select All;
// Ctrl+C copies the selection. A value too wide for the field shows its start and an ellipsis
// (form::shown_result); its text stays the whole value.
class result_field final : public QLabel {
    Q_OBJECT
public:
    explicit result_field(QWidget* parent = nullptr);

    // Ties `caption` to this field: screen readers announce the caption as the field's name and
    // label, read the value as its text and hear a new value as new text.
    void set_caption(QLabel& caption);

    void select_all();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ridi
