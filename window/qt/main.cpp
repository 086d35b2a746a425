// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ridi: the RI-DI window.
#include "coax_frm.hpp"

#include "ridi/version.hpp"

#include <QApplication>

int main(int argc, char** argv) {
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
