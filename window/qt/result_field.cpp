// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "result_field.hpp"

#include "ridi/form/form_layout.hpp"
#include "text_room.hpp"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

#include <cmath>

namespace ridi {
namespace {

// What assistive tools see of a result: named by its caption (the label whose buddy it is),
// with the value as its text, which they read and select as in any read-only text.
class result_accessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit result_accessible(result_field* field)
        : QAccessibleWidget(field, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? value() : QAccessibleWidget::text(kind);
    }

    QString text(int start, int end) const override { return value().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(value().size()); }

    int selectionCount() const override { return field().hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = 0;
        *end = 0;
        if (index == 0 && field().hasSelectedText()) {
            *start = field().selectionStart();
            *end = *start + static_cast<int>(field().selectedText().size());
        }
    }
    void setSelection(int /*index*/, int start, int end) override {
        field().setSelection(start, end - start);
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int /*index*/) override { field().setSelection(0, 0); }

    int cursorPosition() const override { return 0; }
    void setCursorPosition(int /*position*/) override {}
    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint& /*point*/) const override { return -1; }
    void scrollToSubstring(int /*start*/, int /*end*/) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset;
        return {};
    }

private:
    result_field& field() const { return *static_cast<result_field*>(widget()); }
    QString value() const { return field().text(); }
};

QAccessibleInterface* accessible_for(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(result_field::staticMetaObject.className())) {
        return new result_accessible(static_cast<result_field*>(object));
    }
    return nullptr;
}

} // namespace

result_field::result_field(QWidget* parent) : QLabel(parent) {
    static const bool accessible_installed = [] {
        QAccessible::installFactory(accessible_for);
        return true;
    }();
    (void)accessible_installed;
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void result_field::set_caption(QLabel& caption) {
    caption.setBuddy(this);
    // A label without a name of its own tells screen readers of every new text as a new name;
    // with its caption as its name, a new value is heard as new text.
    setAccessibleName(caption.text());
}

void result_field::select_all() {
    setSelection(0, static_cast<int>(text().size()));
}

void result_field::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QLabel::mouseDoubleClickEvent(event);
        return;
    }
    select_all();
    event->accept();
}

void result_field::contextMenuEvent(QContextMenuEvent* event) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction* copy = menu->addAction(tr("&Copy"), this, [this] {
        QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text());
    });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(!text().isEmpty());
    menu->addSeparator();
    QAction* all = menu->addAction(tr("Select &All"), this, &result_field::select_all);
    all->setShortcut(QKeySequence::SelectAll);
    all->setEnabled(!text().isEmpty());
    menu->popup(event->globalPos());
    event->accept();
}

void result_field::paintEvent(QPaintEvent* event) {
    // Where QLabel lays out its text (layout::text_room): inside the frame and the margin, and
    // past the indent on the left, where results are aligned. A value wider than that would
    // run into the frame.
    const QSize text_size = layout::text_room(*this, size());
    const QRect contents =
        contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
    const QRect room(contents.right() + 1 - text_size.width(), contents.top(), text_size.width(),
                     text_size.height());
    // Widths to the pixel that a text's last glyph reaches into, not rounded down from there.
    const QFontMetricsF exact(font());
    const auto width = [&exact](const QString& part) {
        return static_cast<int>(std::ceil(exact.horizontalAdvance(part)));
    };
    const QFontMetrics metrics = fontMetrics();
    const QString value = text();
    if (width(value) <= room.width()) {
        QLabel::paintEvent(event);
        return;
    }
    const QString shown = QString::fromStdU16String(form::shown_result(
        value.toStdU16String(), room.width(), [&width](std::u16string_view part) {
            return width(QString::fromStdU16String(std::u16string(part)));
        }));
    QPainter painter(this);
    drawFrame(&painter);
    const Qt::Alignment alignment = QStyle::visualAlignment(layoutDirection(), this->alignment());
    style()->drawItemText(&painter, room, static_cast<int>(alignment), palette(), isEnabled(),
                          shown, foregroundRole());
    if (!hasSelectedText()) {
        return;
    }
    // The selection over what shows of it: its digits, and the mark for any beyond them.
    const int digits = static_cast<int>(shown.size()) - static_cast<int>(form::cut_mark.size());
    const int start = selectionStart();
    const int end = start + static_cast<int>(selectedText().size());
    const int left = metrics.horizontalAdvance(shown.left(std::min(start, digits)));
    const int right = metrics.horizontalAdvance(end > digits ? shown : shown.left(end));
    const QRect band(room.left() + left, room.top(), right - left, room.height());
    painter.fillRect(band, palette().brush(QPalette::Highlight));
    painter.setClipRect(band);
    style()->drawItemText(&painter, room, static_cast<int>(alignment), palette(), isEnabled(),
                          shown, QPalette::HighlightedText);
}

} // namespace ridi
