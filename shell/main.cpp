#include "application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zarnith::Application zarnith;
    return app.exec();
}
