// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace ridi {

// The window's icon in 16 and 32 pixels, from the drawings compiled into the program: no image
// plugin is needed to read them.
QIcon window_icon();

} // namespace ridi
