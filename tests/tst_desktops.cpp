// Start-up on the desktop found, as main starts: the platform chosen (the
// one expected in ZARNITH_EXPECTED_PLATFORM, else the one the test is run
// with); on Wayland both windows and the About box, each asked to maximise,
// keep their size and the program goes on. desktops.sh runs it under weston.

#include "aboutbox.h"
#include "application.h"
#include "form1.h"
#include "frmfract.h"
#include "harness.h"
#include "platform.h"

#include <QApplication>
#include <QTest>

using namespace zarnith;

class TestDesktops : public QObject {
    Q_OBJECT
private slots:
    void platformChosen()
    {
        QCOMPARE(QGuiApplication::platformName(), qEnvironmentVariable("ZARNITH_EXPECTED_PLATFORM", "offscreen"));
    }
    void maximiseLeavesTheSize()
    {
        if (QGuiApplication::platformName() != u"wayland")
            QSKIP("the window manager keeps fixed windows at their size");
        Application app;
        app.showDecimals();
        app.about().showModeless();
        for (QWidget *w : {(QWidget *)&app.calculator(), (QWidget *)app.decimals(), (QWidget *)app.about().box()}) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            const QSize size = w->size();
            w->setWindowState(Qt::WindowMaximized);
            QTest::qWait(300);
            QTRY_COMPARE(w->windowState(), Qt::WindowNoState);
            QTRY_COMPARE(w->size(), size);
        }
        app.endProgram();
    }
};

int main(int argc, char *argv[])
{
    choosePlatform();
    QApplication app(argc, argv);
    TestDesktops test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktops.moc"
