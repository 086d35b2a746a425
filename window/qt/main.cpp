// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi: the RI-DI window.
#include "qt_coax_frm.hpp"

#include "ridi/version.hpp"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

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

// While Qt opens the display, its messages are held back: when it cannot, it gives up with
// several lines and an abort, where one line and status 1 say it all. Once it is open, the
// messages held back go where Qt would have put them.
std::vector<std::pair<QtMsgType, QString>> held_messages;
QtMessageHandler qt_handler = nullptr;

void hold_message(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message) {
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        if (display != nullptr && *display != '\0') {
            std::fprintf(stderr, "ridi: cannot open the display %s\n", display);
        } else {
            std::fputs("ridi: cannot open the window's display\n", stderr);
        }
        std::_Exit(EXIT_FAILURE);
    }
    held_messages.emplace_back(type, message);
}

void pass_on_held_messages() {
    qInstallMessageHandler(qt_handler);
    for (const auto& [type, message] : held_messages) {
        if (qt_handler != nullptr) {
            qt_handler(type, QMessageLogContext(), message);
        }
    }
    held_messages.clear();
}

} // namespace

int main(int argc, char** argv) {
    if (!display_available(argc, argv)) {
        std::fputs("ridi: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY "
                   "is set)\n",
                   stderr);
        return EXIT_FAILURE;
    }
    qt_handler = qInstallMessageHandler(hold_message);
    QApplication app(argc, argv);
    pass_on_held_messages();
    QApplication::setApplicationName(QStringLiteral("RI-DI"));
    QApplication::setApplicationVersion(
        QString::fromUtf8(ridi::version.data(), static_cast<qsizetype>(ridi::version.size())));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(
        ridi::application_id.data(), static_cast<qsizetype>(ridi::application_id.size())));
    ridi::coax_frm window;
    window.show();
    return QApplication::exec();
}
