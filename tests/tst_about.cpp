// The About box from its three entry points, through the real windows.

#include "application.h"
#include "form1.h"
#include "frmabout.h"
#include "frmfract.h"
#include "guitest.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace zarnith;
using namespace zarnith::test;

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void contents();
    void modelessFromTheCalculator();
    void closesByEveryWay_data();
    void closesByEveryWay();
    void signOnceAfterReopening();
    void webAddressBringsTheSameBoxForward();
    void modalFromTheDecimalsWindow();
    void modalWhileModelessIsOpen();
    void closesWithTheProgram();

private:
    FrmAbout *openFromCalculator();
    FrmFract *openDecimals();

    std::unique_ptr<Application> m_app;
};

void TestAbout::initTestCase()
{
    quietPlatformWarnings();
}

void TestAbout::init()
{
    m_app = std::make_unique<Application>();
    QVERIFY(QTest::qWaitForWindowExposed(&m_app->calculator()));
}

void TestAbout::cleanup()
{
    m_app.reset();
    QTest::qWait(0);
}

// Ctrl+H from a box of the calculator.
FrmAbout *TestAbout::openFromCalculator()
{
    // The person clicks into the calculator, which makes it the active window.
    m_app->calculator().activateWindow();
    if (!QTest::qWaitForWindowActive(&m_app->calculator()))
        return nullptr;
    auto *box = named<QLineEdit>(&m_app->calculator(), "txtN1");
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_H, Qt::ControlModifier);
    FrmAbout *about = m_app->about().box();
    if (about && !QTest::qWaitForWindowExposed(about))
        return nullptr;
    return about;
}

FrmFract *TestAbout::openDecimals()
{
    m_app->showDecimals();
    FrmFract *decimals = m_app->decimals();
    if (!QTest::qWaitForWindowExposed(decimals))
        return nullptr;
    return decimals;
}

void TestAbout::contents()
{
    FrmAbout *about = openFromCalculator();
    QVERIFY(about);
    QCOMPARE(about->objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about->windowTitle(), QStringLiteral("Zarnith"));
    QVERIFY(about->windowIcon().isNull() || about->windowIcon().cacheKey()
                                                != m_app->calculator().windowIcon().cacheKey());
    QCOMPARE(about->size(), QSize(268, 204));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QCOMPARE(about->palette().color(QPalette::Window), QColor(Qt::black));
    const FrmAboutUi &ui = about->ui();
    QCOMPARE(ui.lblTitle->text(), QStringLiteral("Zarnith"));
    QCOMPARE(ui.lblTitle->palette().color(QPalette::WindowText), QColor(Qt::yellow));
    QVERIFY(ui.lblTitle->font().italic());
    QCOMPARE(ui.lblVersion->text(), QStringLiteral("Version 8.0"));
    QVERIFY(ui.Label3->text().startsWith(QStringLiteral("\u00a9 ")));
    QCOMPARE(ui.lblDisclaimer->text(), named<QLabel>(openDecimals(), "Label1")->text());
    QCOMPARE(ui.Image1->pixmap().isNull(), false);
    QCOMPARE(ui.Image2->size(), QSize(136, 104));
    QVERIFY(ui.cmdOK->isDefault());
    QVERIFY(!about->isModal());
}

void TestAbout::modelessFromTheCalculator()
{
    FrmAbout *about = openFromCalculator();
    QVERIFY(about);
    QVERIFY(!about->isModal());
    // The calculator keeps taking input, and a second About is the same box.
    m_app->calculator().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_app->calculator()));
    typeInto(named<QLineEdit>(&m_app->calculator(), "txtN1"), "7");
    QCOMPARE(named<QLineEdit>(&m_app->calculator(), "txtN1")->text(), QStringLiteral("7"));
    QCOMPARE(openFromCalculator(), about);
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.cbegin(), windows.cend(),
                           [](QWidget *w) { return qobject_cast<FrmAbout *>(w) && w->isVisible(); }),
             1);
}

void TestAbout::closesByEveryWay_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("Esc") << 2;
    QTest::newRow("close box") << 3;
}

void TestAbout::closesByEveryWay()
{
    QFETCH(int, way);
    QPointer<FrmAbout> about = openFromCalculator();
    QVERIFY(about);
    switch (way) {
    case 0:
        QTest::mouseClick(about->ui().cmdOK, Qt::LeftButton);
        break;
    case 1:
        QTest::keyClick(about, Qt::Key_Return);
        break;
    case 2:
        QTest::keyClick(about, Qt::Key_Escape);
        break;
    default:
        about->close();
        break;
    }
    // Destroyed, not hidden: the next showing builds it afresh.
    QTRY_VERIFY(!about);
    QVERIFY(!m_app->about().box());
}

void TestAbout::signOnceAfterReopening()
{
    for (int i = 0; i < 3; ++i) {
        FrmAbout *about = openFromCalculator();
        QVERIFY(about);
        QCOMPARE(about->ui().Label3->text().count(u'\u00a9'), 1);
        QVERIFY(about->ui().Label3->text().startsWith(QStringLiteral("\u00a9 ")));
        QPointer<FrmAbout> closing = about;
        QTest::keyClick(about, Qt::Key_Escape);
        QTRY_VERIFY(!closing);
    }
}

void TestAbout::webAddressBringsTheSameBoxForward()
{
    FrmFract *decimals = openDecimals();
    QVERIFY(decimals);
    auto *label = named<QLabel>(decimals, "Label1");
    QTest::mouseClick(label, Qt::LeftButton);
    FrmAbout *about = m_app->about().box();
    QVERIFY(about);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QVERIFY(!about->isModal());
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(m_app->about().box(), about);
}

void TestAbout::modalFromTheDecimalsWindow()
{
    FrmFract *decimals = openDecimals();
    QVERIFY(decimals);
    bool returned = false;
    bool modalWhileOpen = false;
    bool handlerWaited = false;
    QTimer::singleShot(50, [&] {
        FrmAbout *about = m_app->about().box();
        modalWhileOpen = about && about->isModal() && QApplication::activeModalWidget() == about;
        handlerWaited = !returned;
        if (about)
            QTest::keyClick(about, Qt::Key_Escape);
    });
    auto *box = named<QLineEdit>(decimals, "txtNumerator");
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_H, Qt::ControlModifier);
    returned = true;
    QVERIFY(modalWhileOpen);
    QVERIFY(handlerWaited);
    QTRY_VERIFY(!m_app->about().box());
}

void TestAbout::modalWhileModelessIsOpen()
{
    FrmAbout *about = openFromCalculator();
    QVERIFY(about);
    FrmFract *decimals = openDecimals();
    QVERIFY(decimals);
    // Returns at once, with the same box brought forward.
    named<QAction>(decimals, "mnuAbout")->trigger();
    QCOMPARE(m_app->about().box(), about);
    QVERIFY(!about->isModal());
    QVERIFY(m_app->calculator().isVisible());
}

void TestAbout::closesWithTheProgram()
{
    QPointer<FrmAbout> about = openFromCalculator();
    QVERIFY(about);
    m_app->endProgram();
    QTRY_VERIFY(!about);
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
