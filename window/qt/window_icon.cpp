// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_icon.hpp"

#include <QPixmap>

namespace ridi {
namespace {
// The XPM drawings of packaging/icons are C arrays: ridi_16 and ridi_32.
#include "ridi-16.xpm"
#include "ridi-32.xpm"
} // namespace

QIcon window_icon() {
    QIcon icon;
    icon.addPixmap(QPixmap(ridi_16));
    icon.addPixmap(QPixmap(ridi_32));
    return icon;
}

} // namespace ridi
