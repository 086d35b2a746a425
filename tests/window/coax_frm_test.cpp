// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a user meets it: what it shows at start, where everything is, the keyboard,
// the calculation through the real controls, and failures.
#include "window_test_support.hpp"

#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QCompleter>
#include <QMessageBox>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>

using ridi::form::control_id;
using window_support::core_message;
using window_support::name_of;
using window_support::shown_window;

namespace {

// The text a control shows, whatever its kind.
QString shown_text(const QWidget* control) {
    if (const auto* field = qobject_cast<const QLineEdit*>(control)) {
        return field->text();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        return combo->currentText();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        return button->text();
    }
    return qobject_cast<const QLabel*>(control)->text();
}

// The control that has the focus; the cable field stands for the line edit inside it.
QString focused() {
    QWidget* widget = QApplication::focusWidget();
    if (widget == nullptr) {
        return QStringLiteral("(none)");
    }
    if (qobject_cast<QComboBox*>(widget->parentWidget()) != nullptr) {
        widget = widget->parentWidget();
    }
    return widget->objectName();
}

// Replaces the text of a field by typing, as a user does.
void type_into(QWidget* input, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(input)) {
        input = combo->lineEdit();
    }
    input->setFocus();
    QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(input, Qt::Key_Delete);
    QTest::keyClicks(input, text);
}

// The control `id`; the cable field stands for the line edit inside it.
QWidget* input(const shown_window& w, control_id id) {
    QWidget* input = w.get<QWidget>(id);
    if (auto* combo = qobject_cast<QComboBox*>(input)) {
        return combo->lineEdit();
    }
    return input;
}

} // namespace

class window_test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8)); }

    void start_state();
    void start_window();
    void cable_list();

    void tab_cycle();
    void alt_c_calculates_data();
    void alt_c_calculates();
    void return_in_inputs_calculates_nothing_data();
    void return_in_inputs_calculates_nothing();
    void keys_on_button_click_once_data();
    void keys_on_button_click_once();
    void escape_leaves_window_open();

    void worked_examples_data();
    void worked_examples();
    void cable_picked_from_list();
    void typed_cable_kept_as_typed_data();
    void typed_cable_kept_as_typed();

    void failures_data();
    void failures();
    void real_message_box();

    void decimal_comma_data();
    void decimal_comma();
    void decimal_comma_follows_default_locale();

    void accessibility_data();
    void accessibility();
    void results_selectable_not_editable();
    void icon();
};

// What the window shows at start is what its description says: each control's text and
// tooltip, as the toolkit's control for its kind (the description's own values are checked in
// tests/form).
void window_test::start_state() {
    shown_window w;
    for (const ridi::form::control& c : ridi::form::controls) {
        const QWidget* control = w.get<QWidget>(c.id);
        const char* kind = "QLabel";
        switch (c.kind) {
        case ridi::form::kind::text_field:
            kind = "QLineEdit";
            break;
        case ridi::form::kind::drop_down:
            kind = "QComboBox";
            break;
        case ridi::form::kind::push_button:
            kind = "QPushButton";
            break;
        case ridi::form::kind::caption_label:
        case ridi::form::kind::result_label:
            break;
        }
        QVERIFY2(control->inherits(kind), qPrintable(name_of(c.id)));
        QCOMPARE(shown_text(control).toStdU16String(), std::u16string(c.text));
        QCOMPARE(control->toolTip().toStdU16String(), std::u16string(c.tooltip));
    }
}

void window_test::start_window() {
    shown_window w;
    QCOMPARE(w.frm->windowTitle(), QStringLiteral("RI-DI"));
    QVERIFY(w.frm->isWindow());
    QCOMPARE(focused(), name_of(control_id::freq_txt));
    QCOMPARE(w.freq()->maxLength(), std::numeric_limits<int>::max());
    QCOMPARE(w.qtr_num()->maxLength(), std::numeric_limits<int>::max());
    QCOMPARE(w.cable()->lineEdit()->maxLength(), std::numeric_limits<int>::max());
}

// The cable field offers the description's cable list, in its order, and starts on RG-58
// (typed_cable_kept_as_typed shows that nothing typed is completed or added). Opened, the list
// shows every cable at once, with no scroll bar.
void window_test::cable_list() {
    shown_window w;
    QComboBox* combo = w.cable();
    const auto list = ridi::form::cable_list();
    QCOMPARE(combo->count(), qsizetype(list.size()));
    for (int i = 0; i < combo->count(); ++i) {
        QCOMPARE(combo->itemText(i).toStdU16String(),
                 std::u16string(list[static_cast<std::size_t>(i)].name));
        QCOMPARE(combo->itemData(i), QVariant(ridi::form::cable_item_value));
    }
    QCOMPARE(combo->currentText(), QStringLiteral("RG-58"));
    QVERIFY(combo->isEditable());

    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    QVERIFY(!view->verticalScrollBar()->isVisible());
    for (int i = 0; i < combo->count(); ++i) {
        const QRect item = view->visualRect(combo->model()->index(i, 0));
        QVERIFY2(view->viewport()->rect().contains(item), qPrintable(combo->itemText(i)));
    }
    combo->hidePopup();
}

void window_test::tab_cycle() {
    shown_window w;
    for (const control_id next :
         {control_id::cable_combo, control_id::calc_cmd, control_id::qtr_num_txt,
          control_id::freq_txt, control_id::cable_combo}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(focused(), name_of(next));
    }
    for (const control_id next :
         {control_id::freq_txt, control_id::qtr_num_txt, control_id::calc_cmd,
          control_id::cable_combo, control_id::freq_txt}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focused(), name_of(next));
    }
}

void window_test::alt_c_calculates_data() {
    QTest::addColumn<control_id>("focus");
    for (const control_id id : {control_id::freq_txt, control_id::qtr_num_txt,
                                control_id::cable_combo, control_id::calc_cmd}) {
        QTest::newRow(qPrintable(name_of(id))) << id;
    }
}

void window_test::alt_c_calculates() {
    QFETCH(control_id, focus);
    shown_window w;
    QSignalSpy clicks(w.calc(), &QPushButton::clicked);
    input(w, focus)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::AltModifier);
    QTRY_COMPARE(w.coax_length(), QStringLiteral("0.172"));
    QCOMPARE(w.vf_length(), QStringLiteral("0.114"));
    QCOMPARE(clicks.count(), 1);
    // Nothing of the key was typed into the field.
    QCOMPARE(w.freq()->text(), QStringLiteral("435.850"));
    QCOMPARE(w.qtr_num()->text(), QStringLiteral("1"));
    QCOMPARE(w.cable()->currentText(), QStringLiteral("RG-58"));
}

void window_test::return_in_inputs_calculates_nothing_data() {
    QTest::addColumn<control_id>("field");
    QTest::addColumn<int>("key");
    for (const control_id id :
         {control_id::freq_txt, control_id::qtr_num_txt, control_id::cable_combo}) {
        QTest::addRow("%s Return", qPrintable(name_of(id))) << id << int(Qt::Key_Return);
        QTest::addRow("%s Enter", qPrintable(name_of(id))) << id << int(Qt::Key_Enter);
    }
}

void window_test::return_in_inputs_calculates_nothing() {
    QFETCH(control_id, field);
    QFETCH(int, key);
    shown_window w;
    QSignalSpy clicks(w.calc(), &QPushButton::clicked);
    QWidget* target = input(w, field);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QTest::qWait(200); // longer than an access key's delayed click
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(w.coax_length(), QString());
    QCOMPARE(w.vf_length(), QString());
    QCOMPARE(w.cable()->count(), 14);
    QVERIFY(w.frm->isVisible());
}

void window_test::keys_on_button_click_once_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Space") << int(Qt::Key_Space);
}

void window_test::keys_on_button_click_once() {
    QFETCH(int, key);
    shown_window w;
    QSignalSpy clicks(w.calc(), &QPushButton::clicked);
    w.calc()->setFocus();
    QTest::keyClick(w.calc(), Qt::Key(key));
    QTRY_COMPARE(clicks.count(), 1);
    QTest::qWait(200);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(w.coax_length(), QStringLiteral("0.172"));
    QCOMPARE(w.vf_length(), QStringLiteral("0.114"));
    QVERIFY(w.errors.isEmpty());
}

void window_test::escape_leaves_window_open() {
    shown_window w;
    for (const control_id id : {control_id::freq_txt, control_id::qtr_num_txt,
                                control_id::cable_combo, control_id::calc_cmd}) {
        QWidget* target = input(w, id);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY2(w.frm->isVisible(), qPrintable(name_of(id)));
    }
    QCOMPARE(w.freq()->text(), QStringLiteral("435.850"));
    QCOMPARE(w.cable()->currentText(), QStringLiteral("RG-58"));
    QCOMPARE(w.coax_length(), QString());
}

// The window reads what is typed into each of its three inputs and shows both results; the
// arithmetic itself is the core's (tests/core).
void window_test::worked_examples_data() {
    QTest::addColumn<QString>("freq");
    QTest::addColumn<QString>("qtr_num");
    QTest::addColumn<QString>("cable");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("corrected");
    QTest::newRow("typed frequency and count, 2.5 not cut to a whole count") << "100"
                                                                             << "2.5"
                                                                             << "RG-58"
                                                                             << "1.875"
                                                                             << "1.238";
    QTest::newRow("typed cable H100, not the starting RG-58") << "435.850"
                                                              << "1"
                                                              << "H100"
                                                              << "0.172"
                                                              << "0.144";
}

void window_test::worked_examples() {
    QFETCH(QString, freq);
    QFETCH(QString, qtr_num);
    QFETCH(QString, cable);
    QFETCH(QString, length);
    QFETCH(QString, corrected);
    shown_window w;
    type_into(w.freq(), freq);
    type_into(w.qtr_num(), qtr_num);
    type_into(w.cable(), cable);
    QCOMPARE(w.cable()->currentText(), cable);
    QTest::mouseClick(w.calc(), Qt::LeftButton);
    QCOMPARE(w.coax_length(), length);
    QCOMPARE(w.vf_length(), corrected);
    QVERIFY(w.errors.isEmpty());
    QCOMPARE(w.cable()->count(), 14);
}

void window_test::cable_picked_from_list() {
    shown_window w;
    QComboBox* combo = w.cable();
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex h100 = combo->model()->index(11, 0);
    view->scrollTo(h100);
    QTest::qWait(QApplication::doubleClickInterval() + 50); // a popup ignores a hasty release
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(h100).center());
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(combo->currentText(), QStringLiteral("H100"));
    QTest::mouseClick(w.calc(), Qt::LeftButton);
    QCOMPARE(w.coax_length(), QStringLiteral("0.172"));
    QCOMPARE(w.vf_length(), QStringLiteral("0.144"));
    QCOMPARE(combo->count(), 14);
}

void window_test::typed_cable_kept_as_typed_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("lower case of an entry") << "rg-58";
    QTest::newRow("start of an entry") << "RG-5";
    QTest::newRow("entry with a blank after it") << "RG-58 ";
    QTest::newRow("not a cable") << "LMR-400";
    QTest::newRow("an entry typed exactly") << "H155";
}

// Nothing completes, corrects or inserts what the user types, not even Return or leaving the
// field.
void window_test::typed_cable_kept_as_typed() {
    QFETCH(QString, typed);
    shown_window w;
    QComboBox* combo = w.cable();
    type_into(combo, typed);
    QCOMPARE(combo->currentText(), typed);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Enter);
    QCOMPARE(combo->currentText(), typed);
    QTest::keyClick(combo->lineEdit(), Qt::Key_Tab);
    QCOMPARE(focused(), name_of(control_id::calc_cmd));
    QCOMPARE(combo->currentText(), typed);
    QCOMPARE(combo->count(), 14);
    QCOMPARE(combo->itemText(2), QStringLiteral("RG-58"));
    QVERIFY(w.errors.isEmpty());
}

void window_test::failures_data() {
    QTest::addColumn<QString>("freq");
    QTest::addColumn<QString>("qtr_num");
    QTest::addColumn<QString>("names");
    QTest::newRow("frequency 0") << "0"
                                 << "1"
                                 << "frequency";
    QTest::newRow("frequency -0") << "-0"
                                  << "1"
                                  << "frequency";
    QTest::newRow("frequency not a number") << "abc"
                                            << "1"
                                            << "frequency";
    QTest::newRow("frequency empty") << ""
                                     << "1"
                                     << "frequency";
    QTest::newRow("count not a number") << "435.850"
                                        << "one"
                                        << "quarter waves";
    QTest::newRow("count with a comma in the C locale") << "435.850"
                                                        << "1,5"
                                                        << "comma";
    QTest::newRow("length beyond the double range") << "1e-310"
                                                    << "1e10"
                                                    << "too large";
}

// A failure shows the core's message once, leaves the results of the last good click on show,
// and the window carries on.
void window_test::failures() {
    QFETCH(QString, freq);
    QFETCH(QString, qtr_num);
    QFETCH(QString, names);
    shown_window w;
    type_into(w.freq(), QStringLiteral("100"));
    QTest::mouseClick(w.calc(), Qt::LeftButton);
    QCOMPARE(w.coax_length(), QStringLiteral("0.750"));

    type_into(w.freq(), freq);
    type_into(w.qtr_num(), qtr_num);
    QTest::mouseClick(w.calc(), Qt::LeftButton);
    QCOMPARE(w.errors.size(), 1);
    QCOMPARE(w.errors.first(), core_message(freq, qtr_num, QStringLiteral("RG-58")));
    QVERIFY2(w.errors.first().contains(names, Qt::CaseInsensitive), qPrintable(w.errors.first()));
    QCOMPARE(w.coax_length(), QStringLiteral("0.750"));
    QCOMPARE(w.vf_length(), QStringLiteral("0.495"));
    QCOMPARE(w.freq()->text(), freq);
    QCOMPARE(w.qtr_num()->text(), qtr_num);

    type_into(w.freq(), QStringLiteral("435.850"));
    type_into(w.qtr_num(), QStringLiteral("1"));
    QTest::mouseClick(w.calc(), Qt::LeftButton);
    QCOMPARE(w.coax_length(), QStringLiteral("0.172"));
    QCOMPARE(w.vf_length(), QStringLiteral("0.114"));
    QCOMPARE(w.errors.size(), 1);
}

// The one test of the real box: a warning titled "RI-DI" over the window, showing what the
// user typed as plain text, and the window usable once it is closed.
void window_test::real_message_box() {
    ridi::coax_frm frm;
    frm.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frm));
    auto* freq = frm.findChild<QLineEdit*>(name_of(control_id::freq_txt));
    auto* calc = frm.findChild<QPushButton*>(name_of(control_id::calc_cmd));
    const QString typed = QStringLiteral("<b>435</b>");
    freq->setText(typed);

    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QWidget* parent = nullptr;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            format = box->textFormat();
            parent = box->parentWidget();
            box->accept();
        }
    });
    closer.start(20);
    QTest::mouseClick(calc, Qt::LeftButton); // returns once the box is closed
    closer.stop();

    QCOMPARE(title, QStringLiteral("RI-DI"));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(text, core_message(typed, QStringLiteral("1"), QStringLiteral("RG-58")));
    QVERIFY(text.contains(typed));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(parent, &frm);
    QVERIFY(frm.isVisible());
    QVERIFY(QApplication::activeModalWidget() == nullptr);

    freq->setText(QStringLiteral("435.850"));
    QTest::mouseClick(calc, Qt::LeftButton);
    QCOMPARE(frm.findChild<QLabel*>(name_of(control_id::coax_length_lbl))->text(),
             QStringLiteral("0.172"));
}

void window_test::decimal_comma_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("freq");
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("fails");
    QTest::newRow("de_DE takes 7,1") << QLocale(QLocale::German, QLocale::Germany) << "7,1"
                                     << "10.563" << false;
    QTest::newRow("de_DE takes 7.1 too") << QLocale(QLocale::German, QLocale::Germany) << "7.1"
                                         << "10.563" << false;
    QTest::newRow("fr_FR takes 7,1") << QLocale(QLocale::French, QLocale::France) << "7,1"
                                     << "10.563" << false;
    QTest::newRow("C refuses 7,1") << QLocale::c() << "7,1"
                                   << "" << true;
    QTest::newRow("en_US refuses 7,1") << QLocale(QLocale::English, QLocale::UnitedStates) << "7,1"
                                       << "" << true;
    // Their own decimal point, U+066B ARABIC DECIMAL SEPARATOR, is no comma.
    QTest::newRow("ar_EG refuses 7,1") << QLocale(QLocale::Arabic, QLocale::Egypt) << "7,1"
                                       << "" << true;
    QTest::newRow("fa_IR refuses 7,1") << QLocale(QLocale::Persian, QLocale::Iran) << "7,1"
                                       << "" << true;
}

// Results are written with "." in every locale, and read back so.
void window_test::decimal_comma() {
    QFETCH(QLocale, locale);
    QFETCH(QString, freq);
    QFETCH(QString, length);
    QFETCH(bool, fails);
    shown_window w(locale);
    type_into(w.freq(), freq);
    QTest::mouseClick(w.calc(), Qt::LeftButton);
    QCOMPARE(w.coax_length(), length);
    if (fails) {
        QCOMPARE(w.errors.size(), 1);
        QVERIFY2(w.errors.first().contains(QStringLiteral("comma")), qPrintable(w.errors.first()));
        QCOMPARE(w.vf_length(), QString());
    } else {
        QVERIFY(w.errors.isEmpty());
        QCOMPARE(w.vf_length(), QStringLiteral("6.972"));
    }
}

void window_test::decimal_comma_follows_default_locale() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const bool german = ridi::coax_frm().options().decimal_comma;
    QLocale::setDefault(QLocale::c());
    const bool c = ridi::coax_frm().options().decimal_comma;
    QLocale::setDefault(QLocale::system());
    QVERIFY(german);
    QVERIFY(!c);
}

void window_test::accessibility_data() {
    QTest::addColumn<control_id>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("freq_txt") << control_id::freq_txt << "Frequency"
                              << "Center frequency in MHz";
    QTest::newRow("qtr_num_txt") << control_id::qtr_num_txt << "1/4 Wave"
                                 << "Number of 1/4 waves required";
    QTest::newRow("cable_combo") << control_id::cable_combo << "Cable Type"
                                 << "Select cable type";
    QTest::newRow("calc_cmd") << control_id::calc_cmd << "Calculate"
                              << "";
}

void window_test::accessibility() {
    QFETCH(control_id, id);
    QFETCH(QString, name);
    QFETCH(QString, description);
    shown_window w;
    // The cable field's focus is in the line edit inside it, which carries the name.
    QWidget* control = input(w, id);
    QAccessibleInterface* ax = QAccessible::queryAccessibleInterface(control);
    QVERIFY(ax != nullptr);
    QCOMPARE(ax->text(QAccessible::Name).remove(QLatin1Char('&')), name);
    QCOMPARE(ax->text(QAccessible::Description), description);
    if (const ridi::form::control* caption = ridi::form::caption_of(id)) {
        // The caption is tied to its input, so a screen reader also finds it as the label.
        QCOMPARE(w.get<QLabel>(caption->id)->buddy(), w.get<QWidget>(id));
    }
}

// A result is named by its caption and reads its value as text, as a screen reader finds it
// (tests/window/atspi_results.py reads the same over AT-SPI).
void window_test::results_selectable_not_editable() {
    shown_window w;
    QTest::mouseClick(w.calc(), Qt::LeftButton);
    for (const control_id id : {control_id::coax_length_lbl, control_id::vf_length_lbl}) {
        auto* label = w.get<QLabel>(id);
        const control_id caption = ridi::form::caption_of(id)->id;
        QCOMPARE(w.get<QLabel>(caption)->buddy(), label);
        QAccessibleInterface* ax = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(ax->text(QAccessible::Name), w.get<QLabel>(caption)->text());
        QVERIFY(ax->textInterface() != nullptr);
        QCOMPARE(ax->textInterface()->text(0, ax->textInterface()->characterCount()),
                 label->text());
        QCOMPARE(ax->text(QAccessible::Description), label->toolTip());

        const Qt::TextInteractionFlags flags = label->textInteractionFlags();
        QVERIFY(flags.testFlag(Qt::TextSelectableByMouse));
        QVERIFY(flags.testFlag(Qt::TextSelectableByKeyboard));
        QVERIFY(!flags.testFlag(Qt::TextEditable));
        QVERIFY(!(label->focusPolicy() & Qt::TabFocus));

        // Select it from the keyboard and copy it; typing over it changes nothing.
        const QString value = label->text();
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), label);
        QTest::keyClick(label, Qt::Key_Home);
        QTest::keyClick(label, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(label->selectedText(), value);
        QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), value);
        QTest::keyClicks(label, QStringLiteral("9"));
        QTest::keyClick(label, Qt::Key_Backspace);
        QCOMPARE(label->text(), value);
    }
}

void window_test::icon() {
    shown_window w;
    const QIcon icon = w.frm->windowIcon();
    const QList<QSize> sizes = icon.availableSizes();
    QVERIFY(sizes.contains(QSize(16, 16)));
    QVERIFY(sizes.contains(QSize(32, 32)));
    for (int side : {16, 32}) {
        const QImage image = icon.pixmap(side, side).toImage();
        QCOMPARE(image.size(), QSize(side, side));
        QSet<QRgb> colours;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                colours.insert(image.pixel(x, y));
            }
        }
        QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
        QVERIFY(colours.contains(qRgb(0, 0, 0)));       // the screen
        QVERIFY(colours.contains(qRgb(255, 255, 255))); // the trace
    }
}

QTEST_MAIN(window_test)
#include "coax_frm_test.moc"
