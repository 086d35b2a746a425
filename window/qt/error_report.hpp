// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the window tells the user that a calculation failed.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ridi {

// Shows `message` to the user on behalf of `window`. Tests put their own in place of the box.
using error_reporter = std::function<void(QWidget& window, const QString& message)>;

// A warning message box with the window's title, modal to `window`.
void show_error_box(QWidget& window, const QString& message);

} // namespace ridi
