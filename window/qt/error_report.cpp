// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "error_report.hpp"

#include <QMessageBox>

namespace ridi {

void show_error_box(QWidget& window, const QString& message) {
    // Plain text: the message quotes what the user typed, which may look like markup.
    QMessageBox box(QMessageBox::Warning, QStringLiteral("RI-DI"), message, QMessageBox::Ok,
                    &window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace ridi
