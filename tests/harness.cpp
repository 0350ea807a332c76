#include "harness.h"
#include <QtTest>
#include <QtWidgets>
#include <algorithm>
#include <cmath>

namespace zarnith::test {
QStringList messagesDuring(const std::function<void()> &action, const std::function<void()> &whileShown)
{
    QStringList shown;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, &watcher, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        // Wide enough for the caption in a title bar (bold, an icon, three 24-pixel boxes); centred over its window.
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        QFont title = box->font();
        title.setBold(true);
        title.setPointSizeF(title.pointSizeF() * 1.25);
        const QWidget *over = box->parentWidget() ? box->parentWidget()->window() : nullptr;
        const bool own = ok && ok->icon().isNull() && box->buttons().size() == 1 && box->isModal()
            && box->icon() == QMessageBox::NoIcon && box->windowTitle() == "Zarnith" && !box->windowIcon().isNull()
            && box->width() >= QFontMetrics(title).horizontalAdvance("Zarnith") + 4 * 24 && over
            && (box->frameGeometry().center() - over->frameGeometry().center()).manhattanLength() <= 2;
        shown << (own ? box->text() : "odd: " + box->text());
        if (whileShown)
            whileShown();
        ok ? QTest::mouseClick(ok, Qt::LeftButton) : box->reject();
    });
    watcher.start(5);
    action();
    return shown;
}

void click(QWidget *widget)
{
    const QPoint centre = widget->rect().center();
    QTest::mouseMove(widget, centre - QPoint(3, 3));
    QTest::mouseMove(widget, centre);
    QTest::mouseClick(widget, Qt::LeftButton, {}, centre);
}

void typeInto(QWidget *box, QString text)
{
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text == u"_" ? QString() : text.replace(u'~', u' '));
}

bool chooseMenuEntry(QMainWindow *window, const QString &menuName, const QString &entryName)
{
    const auto clickAt = [](QWidget *w, QPoint at) { // a menu may ignore a click no movement came before
        QTest::mouseMove(w, at);
        QTest::mouseClick(w, Qt::LeftButton, {}, at);
    };
    auto *menu = named<QMenu>(window, menuName);
    clickAt(window->menuBar(), window->menuBar()->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitForWindowExposed(menu))
        return false;
    clickAt(menu, menu->actionGeometry(named<QAction>(window, entryName)).center());
    return true;
}

QString chooseOnlyContextEntry(QWidget *widget)
{
    QString chosen;
    QTimer chooser;
    QObject::connect(&chooser, &QTimer::timeout, &chooser, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (menu && menu->isVisible() && menu->actions().size() == 1) {
            QAction *entry = menu->actions()[0];
            chosen = entry->text() + (entry->isEnabled() ? "" : ", disabled");
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
            menu->close(); // a disabled entry leaves it open
        }
    });
    chooser.start(10);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2), widget->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(widget, &rightClick);
    return chosen;
}

bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowExposed(window) && QTest::qWaitForWindowActive(window);
}

QString spoken(const QWidget *window)
{
    for (QWidget *child : window->findChildren<QWidget *>()) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(child);
        if (face && face->role() == QAccessible::Notification && child->isVisible())
            return face->text(QAccessible::Name);
    }
    return {};
}

double contrast(const QColor &a, const QColor &b)
{
    auto lum = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    auto l = [&](const QColor &c) {
        return 0.2126 * lum(c.redF()) + 0.7152 * lum(c.greenF()) + 0.0722 * lum(c.blueF()) + 0.05;
    };
    return std::max(l(a), l(b)) / std::min(l(a), l(b));
}
} // namespace zarnith::test
