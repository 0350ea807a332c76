// Zarnith's start-up as main runs it, reporting the calculator window's
// first paint. With the argument "decimals" it then opens the Decimals
// window with the Decimal button and reports that window's first paint.

#include "application.h"
#include "form1.h"
#include "frmfract.h"
#include "platform.h"
#include "probe.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstring>

using namespace zarnith;
using namespace zarnith::bench;

int main(int argc, char *argv[])
{
    const bool decimals = argc > 1 && std::strcmp(argv[1], "decimals") == 0;
    choosePlatform();
    QApplication app(argc, argv);
    Application zarnith;
    if (!decimals) {
        new FirstPaint(&zarnith.calculator());
        return app.exec();
    }
    // After the calculator is up: time the Decimal command to the
    // Decimals window's first paint.
    QTimer::singleShot(0, [&] {
        std::printf("decimal %lld\n", static_cast<long long>(monotonicNanoseconds()));
        zarnith.calculator().findChild<QPushButton *>("cmdDecimal")->click();
        new FirstPaint(zarnith.decimals());
    });
    return app.exec();
}
