// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a user types or pastes into the window, the click gives the core's results or the
// core's message, and the window stays usable.
#include "window_test_support.hpp"

#include <QClipboard>
#include <QRegularExpression>

using ridi::form::control_id;
using window_support::core_message;
using window_support::shown_window;

class hostile_input_test : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8)); }

    void pasted_text_data();
    void pasted_text();
};

void hostile_input_test::pasted_text_data() {
    QTest::addColumn<control_id>("field");
    QTest::addColumn<QString>("text");

    const QString mebibyte_of_digits(1 << 20, QLatin1Char('7'));
    const QString mebibyte_of_letters(1 << 20, QLatin1Char('x'));
    const QString tiny =
        QStringLiteral("0.") + QString(10'000, QLatin1Char('0')) + QStringLiteral("1");
    const QString huge = QStringLiteral("1") + QString(10'000, QLatin1Char('0'));
    const QString with_controls = QStringLiteral("4") + QChar(u'\0') + QStringLiteral("35\x01\x1b");
    const QString lone_surrogates =
        QStringLiteral("1") + QChar(0xD800) + QChar(0xDC00) + QChar(0xDFFF);
    const QString non_ascii = QStringLiteral("\u0661\u0660\u0660 \u00b5 \u2212 \U0001F4E1");

    const QList<std::pair<const char*, QString>> texts = {
        {"1 MiB of digits", mebibyte_of_digits},
        {"1 MiB of letters", mebibyte_of_letters},
        {"10,000-digit small number", tiny},
        {"10,000-digit large number", huge},
        {"exponent beyond any integer", QStringLiteral("1e999999999999999999")},
        {"NUL and control characters", with_controls},
        {"lone surrogates", lone_surrogates},
        {"other non-ASCII text", non_ascii},
    };
    for (const control_id field :
         {control_id::freq_txt, control_id::qtr_num_txt, control_id::cable_combo}) {
        for (const auto& [what, text] : texts) {
            QTest::addRow("%s: %s", qPrintable(window_support::name_of(field)), what)
                << field << text;
        }
    }
}

void hostile_input_test::pasted_text() {
    QFETCH(control_id, field);
    QFETCH(QString, text);
    shown_window w;
    QWidget* input = w.get<QWidget>(field);
    QLineEdit* edit =
        field == control_id::cable_combo ? w.cable()->lineEdit() : qobject_cast<QLineEdit*>(input);
    edit->setFocus();
    edit->selectAll();
    QApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), text); // kept whole: the fields have no length limit

    const QString expected_error =
        core_message(w.freq()->text(), w.qtr_num()->text(), w.cable()->currentText());
    QTest::mouseClick(w.calc(), Qt::LeftButton);
    if (expected_error.isEmpty()) {
        const QRegularExpression result(QStringLiteral("^-?[0-9]+\\.[0-9]{3}$"));
        QVERIFY(w.errors.isEmpty());
        QVERIFY2(result.match(w.coax_length()).hasMatch(), qPrintable(w.coax_length().left(40)));
        QVERIFY2(result.match(w.vf_length()).hasMatch(), qPrintable(w.vf_length().left(40)));
        if (field == control_id::cable_combo) {
            QCOMPARE(w.vf_length(), QStringLiteral("0.000")); // no catalogue name
        }
    } else {
        QCOMPARE(w.errors, QStringList{expected_error});
        QVERIFY(expected_error.size() < 300); // a message, not an echo of the paste
        QCOMPARE(w.coax_length(), QString());
        QCOMPARE(w.vf_length(), QString());
    }

    // The window carries on: good texts calculate as before.
    const std::u16string_view starting = ridi::form::get(field).text;
    edit->setText(QString::fromUtf16(starting.data(), qsizetype(starting.size())));
    QTest::mouseClick(w.calc(), Qt::LeftButton);
    QCOMPARE(w.coax_length(), QStringLiteral("0.172"));
    QCOMPARE(w.vf_length(), QStringLiteral("0.114"));
}

QTEST_MAIN(hostile_input_test)
#include "hostile_input_test.moc"
