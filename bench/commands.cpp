// Command latency through the real widgets: each operation, conversion and
// Reduce pressed thousands of times, timed from the press until the window
// has processed the answer (its repaint included); then the resident size
// after 1,000 and after 100,000 commands across both windows.

#include "application.h"
#include "form1.h"
#include "frmfract.h"
#include "help.h"
#include "probe.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace zarnith;
using namespace zarnith::bench;

namespace {

class NoViewer : public HelpViewer {
public:
    void open(const QString &, QWidget *) override {}
};

struct Command {
    const char *name;
    QWidget *window;
    const char *button;
    // Box texts that make the command succeed (no message box).
    std::vector<std::pair<const char *, const char *>> boxes;
};

void fill(const Command &command)
{
    for (const auto &[name, text] : command.boxes)
        command.window->findChild<QLineEdit *>(name)->setText(QString::fromLatin1(text));
}

double press(const Command &command)
{
    QPushButton *button = command.window->findChild<QPushButton *>(command.button);
    const std::int64_t start = monotonicNanoseconds();
    button->click();
    QCoreApplication::processEvents();
    return double(monotonicNanoseconds() - start) / 1000.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Application zarnith(std::make_unique<NoViewer>());
    Form1 *calculator = &zarnith.calculator();
    zarnith.showDecimals();
    FrmFract *decimals = zarnith.decimals();
    QCoreApplication::processEvents();

    const std::vector<std::pair<const char *, const char *>> fractions = {
        {"txtN1", "3"}, {"txtD1", "4"}, {"txtN2", "5"}, {"txtD2", "6"}};
    const std::vector<Command> commands = {
        {"Add", calculator, "cmdAdd", fractions},
        {"Subtract", calculator, "cmdSubtract", fractions},
        {"Multiply", calculator, "cmdMultiply", fractions},
        {"Divide", calculator, "cmdDivide", fractions},
        {"Fraction to Decimal",
         decimals,
         "cmdResult0",
         {{"txtWholeNum", "2"}, {"txtNumerator", "3"}, {"txtDenominator", "8"}}},
        {"Decimal to Fraction", decimals, "cmdResult1", {{"txtDecimal", "100.01"}}},
        {"Reduce", decimals, "cmdReduce", {{"txtWholeNum", "1"}, {"txtNumerator", "3"}, {"txtDenominator", "-6"}}},
    };

    constexpr int kRuns = 5000;
    for (const Command &command : commands) {
        std::vector<double> times;
        times.reserve(kRuns);
        for (int i = 0; i < kRuns; ++i) {
            fill(command);
            times.push_back(press(command));
        }
        std::sort(times.begin(), times.end());
        std::printf("command %s|%.1f|%.1f\n", command.name, times[kRuns / 2], times[kRuns * 99 / 100]);
    }

    // Memory: 1,000 commands, then up to 100,000, across both windows.
    long after1000 = 0;
    for (int i = 1; i <= 100000; ++i) {
        const Command &command = commands[std::size_t(i) % commands.size()];
        fill(command);
        press(command);
        if (i == 1000)
            after1000 = residentKiB();
    }
    std::printf("memory|%ld|%ld|%ld\n", after1000, residentKiB(), peakResidentKiB());
    return 0;
}
