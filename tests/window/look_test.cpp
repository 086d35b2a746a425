// SPDX-FileCopyrightText: 2026 RI-DI developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How the window looks: the result labels, and a layout that grows with the user's font so
// that no text is clipped.
#include "window_test_support.hpp"

#include "layout.hpp"
#include "text_room.hpp"

#include <QFontInfo>

using window_support::shown_window;

namespace {

// A box of pixels at 100 % times `s`, each number rounded on its own.
QRect scaled(const QRect& box, double s) {
    return {qRound(box.x() * s), qRound(box.y() * s), qRound(box.width() * s),
            qRound(box.height() * s)};
}

struct font_choice {
    QString family;
    double points;
};

} // namespace

Q_DECLARE_METATYPE(font_choice)

class look_test : public QObject {
    Q_OBJECT

private slots:
    void init() { QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8)); }

    void result_labels();

    void scaled_layout_data();
    void scaled_layout();
};

void look_test::result_labels() {
    shown_window w;
    QTest::mouseClick(w.calc(), Qt::LeftButton);
    for (const ridi::form::control_id id :
         {ridi::form::control_id::coax_length_lbl, ridi::form::control_id::vf_length_lbl}) {
        auto* label = w.get<QLabel>(id);
        const QFont font = label->font();
        QCOMPARE(font.family(), QStringLiteral("Arial"));
        QCOMPARE(font.pointSizeF(), 14.25);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.italic());
        QVERIFY(!font.underline());
        QVERIFY(!font.strikeOut());
        // Arial is there under its metric-compatible name.
        QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));

        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 255));
        const QImage image = label->grab().toImage();
        const QPoint inside(image.width() - 4, image.height() / 2); // right of the digits
        QCOMPARE(QColor(image.pixel(inside)), QColor(Qt::white));
        // The digits are drawn dark on the white.
        bool dark = false;
        for (int x = 0; x < image.width() / 2 && !dark; ++x) {
            dark = qGray(image.pixel(x, image.height() / 2)) < 100;
        }
        QVERIFY(dark);
    }
}

void look_test::scaled_layout_data() {
    QTest::addColumn<font_choice>("font");
    QTest::addColumn<bool>("as_drawn");
    QTest::newRow("Liberation Sans 7.5") << font_choice{"Liberation Sans", 7.5} << true;
    QTest::newRow("Liberation Sans 8") << font_choice{"Liberation Sans", 8} << false;
    QTest::newRow("DejaVu Sans 9") << font_choice{"DejaVu Sans", 9} << false;
    QTest::newRow("DejaVu Sans 14") << font_choice{"DejaVu Sans", 14} << false;
    QTest::newRow("Liberation Sans 14") << font_choice{"Liberation Sans", 14} << false;
    QTest::newRow("Liberation Sans 10.5") << font_choice{"Liberation Sans", 10.5} << false;
}

// Every box is the drawn one times one factor, the smallest at which every text is whole.
void look_test::scaled_layout() {
    QFETCH(font_choice, font);
    QFETCH(bool, as_drawn);
    QFont app_font(font.family);
    app_font.setPointSizeF(font.points);
    QApplication::setFont(app_font);
    QCOMPARE(QFontInfo(app_font).family(), font.family);
    shown_window w;
    const double s = w.frm->scale_factor();
    qInfo("scale factor %.4f", s);
    QVERIFY(s >= 1.0);
    QCOMPARE(s == 1.0, as_drawn);

    const QSize client = w.frm->size();
    QCOMPARE(client, QSize(qRound(154 * s), qRound(224 * s)));
    QCOMPARE(client, ridi::layout::client_pixels(s));
    QCOMPARE(w.frm->minimumSize(), client);
    QCOMPARE(w.frm->maximumSize(), client);

    double tightest = 0; // the largest share of its room that a text takes
    const auto check = [&](const char* name, QSize need, QSize room) {
        QVERIFY2(need.width() <= room.width() && need.height() <= room.height(),
                 qPrintable(QStringLiteral("%1 needs %2x%3, has %4x%5")
                                .arg(QLatin1String(name))
                                .arg(need.width())
                                .arg(need.height())
                                .arg(room.width())
                                .arg(room.height())));
        tightest = std::max(
            {tightest, double(need.width()) / room.width(), double(need.height()) / room.height()});
    };

    for (const ridi::form::control& place : ridi::form::controls) {
        const QWidget* control = w.get<QWidget>(place.id);
        const QRect drawn(place.box.left / 15, place.box.top / 15, place.box.width / 15,
                          place.box.height / 15);
        const QRect box = control->geometry();
        QCOMPARE(box, scaled(drawn, s));
        QVERIFY(std::abs(box.width() - drawn.width() * s) <= 0.5);
        QVERIFY(std::abs(box.height() - drawn.height() * s) <= 0.5);
        QVERIFY(std::abs(box.x() - drawn.x() * s) <= 0.5);
        QVERIFY(std::abs(box.y() - drawn.y() * s) <= 0.5);

        if (place.kind == ridi::form::kind::caption_label) {
            // A caption label draws its text from its left edge; what lies past the window's
            // right edge is not seen, and its text ends as far from that edge as a field's
            // text from its own edge: the field's margin and the caret's pixel.
            const auto* label = static_cast<const QLabel*>(control);
            const QFontMetrics metrics = label->fontMetrics();
            const int visible =
                std::min(box.right() + 1, client.width() - ridi::layout::text_end_margin) -
                box.left();
            check(place.name.data(), {metrics.horizontalAdvance(label->text()), metrics.height()},
                  {visible, box.height()});
        }
    }
    // A field's text and the caret after it; in the cable field every cable name, 2 pixels
    // inside the edit part on either side, so none touches the arrow.
    const auto field_text = [](const QWidget& field, const QString& text) {
        return QSize(field.fontMetrics().horizontalAdvance(text) + 1, field.fontMetrics().height());
    };
    check("freq_txt", field_text(*w.freq(), w.freq()->text()),
          ridi::layout::text_room(*w.freq(), w.freq()->size()));
    check("qtr_num_txt", field_text(*w.qtr_num(), w.qtr_num()->text()),
          ridi::layout::text_room(*w.qtr_num(), w.qtr_num()->size()));
    const QLineEdit* cable_field = w.cable()->lineEdit();
    for (const ridi::cable& entry : ridi::cable_catalogue()) {
        const QString cable = QString::fromUtf16(entry.name.data(), qsizetype(entry.name.size()));
        check(qPrintable(cable), field_text(*cable_field, cable),
              {cable_field->width() - 4, cable_field->height()});
    }
    const QFontMetrics button = w.calc()->fontMetrics();
    check("calc_cmd", {button.horizontalAdvance(QStringLiteral("Calculate")), button.height()},
          ridi::layout::text_room(*w.calc(), w.calc()->size()));
    if (!as_drawn) {
        // Any smaller factor would clip the tightest text: it fills its room to a pixel.
        QVERIFY2(tightest > 0.95, qPrintable(QString::number(tightest)));
    }
}

QTEST_MAIN(look_test)
#include "look_test.moc"
