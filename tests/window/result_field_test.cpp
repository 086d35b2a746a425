// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A result field as a user copies from it: a double-click takes the whole value, the
// right-click menu offers Copy and Select All, and Ctrl+C copies; a screen reader is told
// which part is selected.
#include "result_field.hpp"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <utility>

using ridi::result_field;

namespace {

// A shown field holding `value`, with the keyboard focus.
struct shown_field {
    result_field field;
    explicit shown_field(const QString& value) {
        field.setText(value);
        field.resize(field.fontMetrics().horizontalAdvance(value) + 40, 30);
        field.show();
        field.activateWindow();
        field.setFocus();
        if (!QTest::qWaitForWindowActive(&field)) {
            qWarning("the field did not become active");
        }
    }
    // The middle of the value's last character.
    QPoint last_character() const {
        const QString value = field.text();
        const QFontMetrics metrics = field.fontMetrics();
        const int x = field.contentsRect().left() + field.margin() +
                      metrics.horizontalAdvance(value.left(value.size() - 1)) +
                      metrics.horizontalAdvance(value.back()) / 2;
        return {x, field.height() / 2};
    }
};

// Opens the field's right-click menu, triggers the entry `trigger` (if any) and closes it;
// returns the menu's entries as shown, without access keys and shortcuts.
QStringList use_menu(result_field& field, const QString& trigger) {
    QStringList entries;
    bool used = false;
    QTimer::singleShot(0, &field, [&] {
        used = true;
        auto* menu = field.findChild<QMenu*>();
        if (menu == nullptr || !menu->isVisible()) {
            return;
        }
        for (QAction* action : menu->actions()) {
            if (action->isSeparator()) {
                continue;
            }
            const QString entry = action->text().remove(QLatin1Char('&')).section(u'\t', 0, 0);
            entries << entry;
            if (entry == trigger) {
                action->trigger();
            }
        }
        menu->close();
    });
    const QPoint at(5, field.height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, field.mapToGlobal(at));
    QApplication::sendEvent(&field, &event);
    if (!QTest::qWaitFor([&used] { return used; })) {
        qWarning("the menu did not open");
    }
    return entries;
}

} // namespace

class result_field_test : public QObject {
    Q_OBJECT
private slots:
    void double_click_selects_whole_value_data();
    void double_click_selects_whole_value();
    void menu_offers_copy_and_select_all();
    void screen_reader_finds_the_selection_data();
    void screen_reader_finds_the_selection();
    void too_wide_value_shows_it_is_cut_data();
    void too_wide_value_shows_it_is_cut();
};

void result_field_test::double_click_selects_whole_value_data() {
    QTest::addColumn<QString>("value");
    QTest::newRow("decimals") << "0.172";   // a word would end at the decimal point
    QTest::newRow("negative") << "-0.750";  // ... or at the minus sign
    QTest::newRow("long") << "1234567.125"; // a long cut length
    QTest::newRow("zero") << "0.000";       // an unknown cable's corrected length
}

void result_field_test::double_click_selects_whole_value() {
    QFETCH(QString, value);
    shown_field shown(value);
    QTest::mouseDClick(&shown.field, Qt::LeftButton, {}, shown.last_character());
    QCOMPARE(shown.field.selectedText(), value);
    QApplication::clipboard()->clear();
    QTest::keyClick(&shown.field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), value);
    QCOMPARE(shown.field.text(), value); // nothing typed or pasted changes it
}

void result_field_test::menu_offers_copy_and_select_all() {
    const QString value = QStringLiteral("57.692");
    shown_field shown(value);
    // Copy with nothing selected takes the whole value.
    QApplication::clipboard()->clear();
    const QStringList entries = use_menu(shown.field, QStringLiteral("Copy"));
    QVERIFY2(entries.contains(QStringLiteral("Copy")), qPrintable(entries.join(u'|')));
    QVERIFY2(entries.contains(QStringLiteral("Select All")), qPrintable(entries.join(u'|')));
    QCOMPARE(QApplication::clipboard()->text(), value);
    QVERIFY(!shown.field.hasSelectedText());

    use_menu(shown.field, QStringLiteral("Select All"));
    QCOMPARE(shown.field.selectedText(), value);
}

void result_field_test::screen_reader_finds_the_selection_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    // A part that starts past the first character: its end is counted from the start of the
    // value, not from the start of the selection.
    QTest::newRow("17 of 0.172") << "0.172" << 2 << 4;
    QTest::newRow("nothing") << "0.172" << 0 << 0; // no selection to report
}

// What a screen reader is told is selected in a result, as offsets into its value.
void result_field_test::screen_reader_finds_the_selection() {
    QFETCH(QString, value);
    QFETCH(int, start);
    QFETCH(int, end);
    shown_field shown(value);
    shown.field.setSelection(start, end - start);
    QAccessibleTextInterface* text =
        QAccessible::queryAccessibleInterface(&shown.field)->textInterface();
    QVERIFY(text != nullptr);
    QCOMPARE(text->selectionCount(), start == end ? 0 : 1);
    int got_start = -1;
    int got_end = -1;
    text->selection(0, &got_start, &got_end);
    QCOMPARE(got_start, start);
    QCOMPARE(got_end, end);
}

void result_field_test::too_wide_value_shows_it_is_cut_data() {
    QTest::addColumn<double>("share");
    QTest::addColumn<int>("spare");
    // The field's width: `share` of the value's, and `spare` pixels.
    QTest::newRow("half the width it needs") << 0.5 << 0;
    // Three pixels more than the value leave one inside the frame, less than the label's
    // indent: drawn as a label draws it, it would run into the frame.
    QTest::newRow("wider than its text's room, not than its frame") << 1.0 << 3;
}

// A value too wide for the field is drawn as a plain label with the same frame draws as much
// of its start as fits and an ellipsis: where the label lays out text, half an "x" inside the
// frame (as QLabel documents), and wholly inside it. A double-click, Ctrl+C and a screen reader
// still get it whole, and selected it is highlighted from its first digit to the ellipsis.
void result_field_test::too_wide_value_shows_it_is_cut() {
    QFETCH(double, share);
    QFETCH(int, spare);
    const QString value = QStringLiteral("75000000000000000.000");
    shown_field shown(value);
    const auto framed = [](QLabel& label) { // as the window frames its results
        label.setFrameStyle(QFrame::Box | QFrame::Plain);
        label.setLineWidth(1);
    };
    framed(shown.field);
    const QFontMetrics metrics = shown.field.fontMetrics();
    shown.field.resize(qRound(metrics.horizontalAdvance(value) * share) + spare, 30);
    QLabel plain;
    framed(plain);
    plain.resize(shown.field.size());
    // As much of its start as fits with the ellipsis where the label lays out its text.
    const int indent = metrics.horizontalAdvance(u'x') / 2;
    const double text_width = plain.contentsRect().width() - indent;
    QString start = value;
    while (QFontMetricsF(plain.font()).horizontalAdvance(start + QChar(0x2026)) > text_width) {
        start.chop(1);
    }
    plain.setText(start + QChar(0x2026));
    plain.setAlignment(shown.field.alignment());
    const QImage cut = shown.field.grab().toImage();
    QCOMPARE(cut, plain.grab().toImage());

    QTest::mouseDClick(&shown.field, Qt::LeftButton, {}, QPoint(5, shown.field.height() / 2));
    QCOMPARE(shown.field.selectedText(), value);
    QApplication::clipboard()->clear();
    QTest::keyClick(&shown.field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), value);
    QCOMPARE(QAccessible::queryAccessibleInterface(&shown.field)->text(QAccessible::Value), value);

    // The columns inside the frame of the text unselected, and of the highlight selected.
    const QRect room = shown.field.contentsRect();
    const auto columns = [&room](const QImage& image, const auto& counts) {
        int left = room.right() + 1;
        int right = room.left() - 1;
        for (int x = room.left(); x <= room.right(); ++x) {
            for (int y = room.top(); y <= room.bottom(); ++y) {
                if (counts(QColor(image.pixel(x, y)))) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        return std::pair{left, right};
    };
    const QColor highlight = shown.field.palette().color(QPalette::Highlight);
    const auto text = columns(cut, [](const QColor& c) { return qGray(c.rgb()) < 128; });
    const auto band = columns(shown.field.grab().toImage(),
                              [&highlight](const QColor& c) { return c == highlight; });
    QVERIFY2(band.first <= text.first && band.second >= text.second,
             qPrintable(QStringLiteral("text in columns %1 to %2, highlight in %3 to %4")
                            .arg(text.first)
                            .arg(text.second)
                            .arg(band.first)
                            .arg(band.second)));
}

QTEST_MAIN(result_field_test)
#include "result_field_test.moc"
