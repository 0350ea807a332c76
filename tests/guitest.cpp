#include "guitest.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace zarnith::test {

namespace {
QtMessageHandler g_testLog = nullptr;

void dropPlatformWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_testLog(type, context, message);
}
} // namespace

void quietPlatformWarnings()
{
    g_testLog = qInstallMessageHandler(dropPlatformWarnings);
}

QList<ShownMessage> messagesDuring(const std::function<void()> &action,
                                   const std::function<void()> &whileShown)
{
    QList<ShownMessage> shown;
    QTimer watcher;
    watcher.setInterval(5);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        ShownMessage message;
        message.caption = box->windowTitle();
        message.text = box->text();
        message.hasIcon = box->icon() != QMessageBox::NoIcon || !box->iconPixmap().isNull();
        message.buttonCount = int(box->buttons().size());
        message.modal = box->isModal();
        shown << message;
        if (whileShown)
            whileShown();
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        if (ok)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            box->reject();
    });
    watcher.start();
    action();
    watcher.stop();
    return shown;
}

void typeInto(QWidget *box, const QString &text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

bool chooseMenuEntry(QMainWindow *window, const char *menuName, const char *entryName)
{
    auto *menu = named<QMenu>(window, menuName);
    auto *entry = named<QAction>(window, entryName);
    if (!menu || !entry)
        return false;
    QMenuBar *bar = window->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitForWindowExposed(menu))
        return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    return true;
}

} // namespace zarnith::test
