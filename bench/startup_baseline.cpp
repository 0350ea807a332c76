// The baseline: a minimal Qt Widgets program of the calculator's kind, one
// window with a menu bar, a few line edits, labels and buttons, measured the
// same way as Zarnith.

#include "probe.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

using namespace zarnith::bench;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    for (const char *menu : {"&File", "&Functions", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("&Entry"));
    auto *client = new QWidget(&window);
    client->setFixedSize(309, 183);
    window.setCentralWidget(client);
    for (int i = 0; i < 5; ++i)
        (new QLineEdit(client))->setGeometry(6 + 50 * i, 5, 47, 20);
    for (int i = 0; i < 3; ++i)
        (new QLabel(QStringLiteral("%1").arg(i), client))->move(6 + 50 * i, 40);
    for (int i = 0; i < 6; ++i)
        (new QPushButton(QStringLiteral("Button"), client))->setGeometry(12 + 50 * i, 70, 39, 39);
    new FirstPaint(&window);
    window.show();
    return app.exec();
}
