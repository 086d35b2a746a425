// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi: the RI-DI window.
#include "qt_coax_frm.hpp"

#include "ridi/version.hpp"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Whether Qt has something to show the window on: a display, a platform chosen by the user, or
// (off X11 and Wayland systems) the system's own. Without one Qt aborts with several lines.
bool display_available(int argc, char** argv) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            return true;
        }
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0) {
            return true;
        }
    }
    return false;
#else
    (void)argc;
    (void)argv;
    return true;
#endif
}

} // namespace

int main(int argc, char** argv) {
    if (!display_available(argc, argv)) {
        std::fputs("ridi: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY "
                   "is set)\n",
                   stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("RI-DI"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(ridi::version.data(), static_cast<qsizetype>(ridi::version.size())));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(
        ridi::application_id.data(), static_cast<qsizetype>(ridi::application_id.size())));
    ridi::coax_frm window;
    window.show();
    return QApplication::exec();
}
