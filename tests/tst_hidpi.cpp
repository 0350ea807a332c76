// At a scale factor of 2 (this test runs with QT_SCALE_FACTOR=2) every
// picture and the hand pointer are drawn from their sources at twice the
// pixels, not blown up from 32-pixel bitmaps, and the layout keeps its
// proportions.

#include "form1.h"
#include "frmabout.h"
#include "guitest.h"
#include "module1.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace zarnith;
using namespace zarnith::test;

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { quietPlatformWarnings(); }
    void picturesAtTwicePixels();
};

void TestHiDpi::picturesAtTwicePixels()
{
    QCOMPARE(qApp->devicePixelRatio(), 2.0);
    Module1 engine;
    Form1 window(engine);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    for (const char *name : {"imgPlus", "imgNeg", "imgMulti", "imgDiv", "imgEquals"}) {
        const QPixmap pixmap = named<QLabel>(&window, name)->pixmap();
        QCOMPARE(pixmap.devicePixelRatio(), 2.0);
        QCOMPARE(pixmap.size(), QSize(64, 64));
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(32, 32));
    }
    auto *add = named<QPushButton>(&window, "cmdAdd");
    QCOMPARE(add->icon().pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
    const QCursor hand = add->cursor();
    QCOMPARE(hand.pixmap().size(), QSize(64, 64));
    QCOMPARE(hand.hotSpot(), QPoint(12, 1));
    // A drawn edge is sharp: the operator pictures have only fully opaque or
    // fully clear pixels along their straight bars (no 2x blur).
    const QImage plus = named<QLabel>(&window, "imgPlus")->pixmap().toImage();
    int partial = 0;
    for (int x = 0; x < 64; ++x) {
        const int alpha = qAlpha(plus.pixel(x, 32));
        partial += alpha > 0 && alpha < 255;
    }
    QVERIFY(partial <= 2);
    // The layout in logical pixels is the same as at scale 1.
    QCOMPARE(window.centralWidget()->size(), QSize(309, 183));
    QCOMPARE(named<QWidget>(&window, "txtN1")->geometry(), QRect(6, 5, 47, 20));

    FrmAbout about;
    QCOMPARE(about.ui().Image2->pixmap().size(), QSize(272, 208));
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
