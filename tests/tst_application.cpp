// Start-up and moving between the two windows, through the real windows.

#include "application.h"
#include "form1.h"
#include "frmfract.h"
#include "guitest.h"
#include "placement.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <memory>

using namespace zarnith;
using namespace zarnith::test;

class TestApplication : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsWithTheCalculatorPlaced();
    void decimalOpensTheDecimalsWindowAbove();
    void secondDecimalKeepsTheWindow();
    void fractionsBringsTheCalculatorForward();
    void exitInEitherWindowEndsBoth_data();
    void exitInEitherWindowEndsBoth();
    void closingBeforeDecimalsEverOpened();

private:
    QLineEdit *box(QWidget *window, const char *name) { return named<QLineEdit>(window, name); }
    FrmFract *openDecimals();

    std::unique_ptr<Application> m_app;
};

void TestApplication::initTestCase()
{
    quietPlatformWarnings();
}

void TestApplication::init()
{
    m_app = std::make_unique<Application>();
    QVERIFY(QTest::qWaitForWindowExposed(&m_app->calculator()));
}

void TestApplication::cleanup()
{
    m_app.reset();
}

FrmFract *TestApplication::openDecimals()
{
    auto *decimal = m_app->calculator().findChild<QPushButton *>("cmdDecimal");
    QTest::mouseClick(decimal, Qt::LeftButton);
    FrmFract *decimals = m_app->decimals();
    if (decimals && !QTest::qWaitForWindowExposed(decimals))
        return nullptr;
    return decimals;
}

void TestApplication::startsWithTheCalculatorPlaced()
{
    Form1 &calculator = m_app->calculator();
    QVERIFY(calculator.isVisible());
    QVERIFY(!m_app->decimals());
    const QRect screen = calculator.screen()->geometry();
    const QRect frame = calculator.frameGeometry();
    QCOMPARE(frame.left(), twipsToPixels(centredLeft(screen.width() * 15.0f, frame.width() * 15.0f)));
    QCOMPARE(frame.top(), twipsToPixels(calculatorTop(screen.height() * 15.0f, frame.height() * 15.0f)));
}

void TestApplication::decimalOpensTheDecimalsWindowAbove()
{
    m_app->calculator().findChild<QAction *>("mnuDecimal")->trigger();
    FrmFract *decimals = m_app->decimals();
    QVERIFY(decimals);
    QVERIFY(QTest::qWaitForWindowExposed(decimals));
    QVERIFY(m_app->calculator().isVisible());
    const QRect screen = decimals->screen()->geometry();
    const QRect frame = decimals->frameGeometry();
    QCOMPARE(frame.left(), twipsToPixels(centredLeft(screen.width() * 15.0f, frame.width() * 15.0f)));
    // Its bottom edge on the calculator's top edge.
    QCOMPARE(frame.bottom() + 1, m_app->calculator().frameGeometry().top());
    for (const char *name : {"txtWholeNum", "txtNumerator", "txtDenominator"})
        QCOMPARE(box(decimals, name)->text(), QStringLiteral("0"));
    QVERIFY(box(decimals, "txtDecimal")->text().isEmpty());
}

void TestApplication::secondDecimalKeepsTheWindow()
{
    FrmFract *decimals = openDecimals();
    QVERIFY(decimals);
    typeInto(box(decimals, "txtDecimal"), "2.75");
    decimals->move(10, 20);
    const QPoint moved = decimals->pos();
    m_app->calculator().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_app->calculator()));
    // Ctrl+F2 from a box of the calculator.
    QTest::mouseClick(box(&m_app->calculator(), "txtN1"), Qt::LeftButton);
    QTest::keyClick(box(&m_app->calculator(), "txtN1"), Qt::Key_F2, Qt::ControlModifier);
    QCOMPARE(m_app->decimals(), decimals);
    QTRY_VERIFY(decimals->isActiveWindow());
    QCOMPARE(box(decimals, "txtDecimal")->text(), QStringLiteral("2.75"));
    QCOMPARE(decimals->pos(), moved);
}

void TestApplication::fractionsBringsTheCalculatorForward()
{
    Form1 &calculator = m_app->calculator();
    typeInto(box(&calculator, "txtN1"), "3");
    const QPoint where = calculator.pos();
    FrmFract *decimals = openDecimals();
    QVERIFY(decimals);
    QTRY_VERIFY(decimals->isActiveWindow());
    QTest::mouseClick(box(decimals, "txtNumerator"), Qt::LeftButton);
    QTest::keyClick(box(decimals, "txtNumerator"), Qt::Key_F2, Qt::ControlModifier);
    QTRY_VERIFY(calculator.isActiveWindow());
    QVERIFY(decimals->isVisible());
    QCOMPARE(calculator.pos(), where);
    QCOMPARE(box(&calculator, "txtN1")->text(), QStringLiteral("3"));
}

void TestApplication::exitInEitherWindowEndsBoth_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit in the calculator") << "calculator exit";
    QTest::newRow("Exit in the Decimals window") << "decimals exit";
    QTest::newRow("closing the calculator") << "calculator close";
    QTest::newRow("closing the Decimals window") << "decimals close";
}

void TestApplication::exitInEitherWindowEndsBoth()
{
    QFETCH(QString, how);
    FrmFract *decimals = openDecimals();
    QVERIFY(decimals);
    QMainWindow *window = how.startsWith("calculator") ? static_cast<QMainWindow *>(&m_app->calculator())
                                                       : decimals;
    if (how.endsWith("exit"))
        QVERIFY(chooseMenuEntry(window, "mnuFile", "mnuExit"));
    else
        window->close();
    QTRY_VERIFY(!m_app->calculator().isVisible());
    QVERIFY(!decimals->isVisible());
}

void TestApplication::closingBeforeDecimalsEverOpened()
{
    m_app->calculator().close();
    QTRY_VERIFY(!m_app->calculator().isVisible());
    QVERIFY(!m_app->decimals());
}

QTEST_MAIN(TestApplication)
#include "tst_application.moc"
