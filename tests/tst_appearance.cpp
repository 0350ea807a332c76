// The calculator on light and dark desktops, also switched while it runs, and with long results.
#include "form1.h"
#include "harness.h"
#include "placement.h"
#include <QLabel>
#include <QLineEdit>
#include <QTest>
using namespace zarnith;
using namespace zarnith::test;
namespace {
// A point of each symbol in its 32-pixel drawing | the controls showing it.
const char *const kPictures = R"(
    15 7 | imgPlus cmdAdd
    7 15 | imgNeg cmdSubtract
    16 16 | imgMulti cmdMultiply
    7 15 | imgDiv cmdDivide Image1
    7 11 | imgEquals
)";
const char *const kLongResults = R"(# first op second = whole numerator/denominator
    1/9999 + 1/9998 = 0 19997/99970002
    -99/9998 - 999/9999 = 0 -1219767/11107778
    999/2 × 999/1 = 499000 1/2
    -99/1 × 999/1 = -98901 0/0
)";
double contrast(const QColor &a, const QColor &b) // from 1 to 21
{
    auto lum = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    auto l = [&](const QColor &c) { return 0.2126 * lum(c.redF()) + 0.7152 * lum(c.greenF()) + 0.0722 * lum(c.blueF()) + 0.05; };
    return std::max(l(a), l(b)) / std::min(l(a), l(b));
}
} // namespace
class TestAppearance : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietPlatformWarnings(); }
    void picturesShowOnLightAndDark()
    {
        const QPalette light(QColor(0xef, 0xef, 0xef)), dark(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x22, 0x22));
        for (const auto &[start, switched] : {std::pair{light, dark}, std::pair{dark, light}}) {
            QApplication::setPalette(start);
            Module1 engine;
            Form1 window(engine);
            QVERIFY(showActive(&window));
            for (const QPoint at : {QPoint(5, 5), QPoint(9, 9)})
                QTest::mouseMove(named<QWidget>(&window, "cmdDivide"), at);
            for (const QPalette &desktop : {start, switched}) { // at start, then switched while running
                QApplication::setPalette(desktop);
                QApplication::sendEvent(&window, std::make_unique<QEvent>(QEvent::ApplicationPaletteChange).get());
                for (const QString &row : caseLines(kPictures)) {
                    for (const QString &name : words(columns(row, 2)[1])) {
                        QWidget *shown = named<QWidget>(&window, name);
                        const QStringList at = words(columns(row, 2)[0]);
                        const QColor symbol = shown->grab().toImage().pixelColor(
                            shown->width() / 2 + at[0].toInt() - 16, shown->height() / 2 + at[1].toInt() - 16);
                        QVERIFY2(contrast(symbol, shown->palette().color(shown->backgroundRole())) >= 3, qPrintable(name));
                    }
                }
                QCOMPARE(named<QWidget>(&window, "Image1")->grab().toImage(), named<QWidget>(&window, "imgDiv")->grab().toImage());
                QCOMPARE(named<QWidget>(&window, "txtWholeNum")->palette().color(QPalette::Base), desktop.color(QPalette::Button));
            }
        }
    }
    void longResultsShowWhole_data() { addCases(kLongResults); }
    void longResultsShowWhole()
    {
        QFETCH(QString, line);
        const QStringList typed = words(line.section(u'=', 0, 0).replace(u'/', u' '));
        Module1 engine;
        Form1 window(engine);
        QVERIFY(showActive(&window));
        for (int i = 0; i < 4; ++i)
            typeInto(named<QWidget>(&window, QStringList{"txtN1", "txtD1", "txtN2", "txtD2"}[i]), typed[i < 2 ? i : i + 1]);
        click(named<QWidget>(&window, QMap<QString, QString>{{"+", "cmdAdd"}, {"-", "cmdSubtract"}, {"×", "cmdMultiply"}}[typed[2]]));
        auto *n3 = named<QLabel>(&window, "txtN3"), *d3 = named<QLabel>(&window, "txtD3");
        auto *whole = named<QLineEdit>(&window, "txtWholeNum");
        QCOMPARE(whole->text() + u' ' + n3->text() + u'/' + d3->text(), line.section(u'=', 1).trimmed());
        for (QLabel *label : {n3, d3}) // inside the window, its left edge where it was
            QVERIFY(label->geometry().right() < window.centralWidget()->width() && label->x() == twipsToPixels(3900));
        QCOMPARE(named<QWidget>(&window, "Line1")->geometry().right(), d3->geometry().right());
        // The whole part: from its first to its last character inside the box, centred.
        whole->selectAll();
        whole->repaint();
        const int first = whole->inputMethodQuery(Qt::ImAnchorRectangle).toRectF().center().x();
        const int last = whole->inputMethodQuery(Qt::ImCursorRectangle).toRectF().center().x();
        QVERIFY(first > 0 && last < whole->width() && qAbs(first - (whole->width() - last)) <= 3);
    }
};
QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
