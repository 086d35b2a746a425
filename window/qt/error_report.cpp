// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "error_report.hpp"

#include "ridi/form/form.hpp"

#include <QMessageBox>

namespace ridi {

void show_error_box(QWidget& window, const QString& message) {
    // Plain text: the message quotes what the user typed, which may look like markup.
    const std::u16string_view title = form::title;
    QMessageBox box(QMessageBox::Warning,
                    QString::fromUtf16(title.data(), static_cast<qsizetype>(title.size())), message,
                    QMessageBox::Ok, &window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace ridi
