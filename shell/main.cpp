#include "application.h"
#include "platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    zarnith::choosePlatform();
    QApplication app(argc, argv);
    zarnith::Application zarnith;
    return app.exec();
}
