#include "application.h"
#include "language.h"
#include "platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    zarnith::choosePlatform();
    QApplication app(argc, argv);
    zarnith::useUsersLanguage();
    zarnith::Application zarnith;
    return app.exec();
}
