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

// A value too wide for the field is drawn as Qt's own eliding draws it in a plain label, its
// start and an ellipsis, while a double-click, Ctrl+C and a screen reader still get it whole.
void result_field_test::too_wide_value_shows_it_is_cut() {
    const QString value = QStringLiteral("75000000000000000.000");
    shown_field shown(value);
    shown.field.resize(shown.field.fontMetrics().horizontalAdvance(value) / 2, 30);
    QLabel plain;
    plain.setText(shown.field.fontMetrics().elidedText(value, Qt::ElideRight,
                                                       shown.field.contentsRect().width()));
    plain.setAlignment(shown.field.alignment());
    plain.resize(shown.field.size());
    QVERIFY(plain.text().endsWith(QChar(0x2026)));
    QCOMPARE(shown.field.grab().toImage(), plain.grab().toImage());

    QTest::mouseDClick(&shown.field, Qt::LeftButton, {}, QPoint(5, shown.field.height() / 2));
    QCOMPARE(shown.field.selectedText(), value);
    QApplication::clipboard()->clear();
    QTest::keyClick(&shown.field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), value);
    QCOMPARE(QAccessible::queryAccessibleInterface(&shown.field)->text(QAccessible::Value), value);
}

QTEST_MAIN(result_field_test)
#include "result_field_test.moc"
