// The Decimals window's three conversions on arbitrary box texts, through
// the real window (headless): nothing crashes or hangs, the nearest
// sixty-fourth is one of its 65 texts or empty, and what a conversion
// writes without a message is a number of the kind it promises.

#include "boxedit.h"
#include "formkit.h"
#include "frmfract.h"
#include "fuzzcheck.h"
#include "module1.h"
#include "numbers.h"
#include "sixtyfourths.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSet>

#include <cmath>

using namespace zarnith;
using namespace zarnith::fuzz;

namespace {

QApplication *g_app = nullptr;
Module1 *g_engine = nullptr;
FrmFract *g_window = nullptr;
int g_messages = 0;

QSet<QString> sixtyFourthTexts()
{
    QSet<QString> texts{QString()};
    for (int k = 0; k <= 64; ++k)
        texts << nearestSixtyFourth(k == 0 ? 0.0 : k == 64 ? 2.0 : k / 64.0);
    return texts;
}

bool isNumber(const QString &text)
{
    return parseNumber(text).status == ParsedNumber::Status::Ok;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    g_app = new QApplication(*argc, *argv);
    g_engine = new Module1;
    g_window = new FrmFract(*g_engine);
    g_window->show();
    setMessageSink([](QWidget *, const QString &) { ++g_messages; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QSet<QString> approxTexts = sixtyFourthTexts();
    if (size == 0)
        return 0;
    const int command = data[0] % 4;
    const QStringList texts = fields(data + 1, size - 1, 4);
    const QString what = texts.join(u'|');
    const FrmFractUi &ui = g_window->ui();
    ui.txtWholeNum->setProgramText(texts[0]);
    ui.txtNumerator->setProgramText(texts[1]);
    ui.txtDenominator->setProgramText(texts[2]);
    ui.txtDecimal->setProgramText(texts[3]);
    QPushButton *buttons[] = {ui.cmdResult0, ui.cmdResult1, ui.cmdReduce, ui.cmdClear};

    const int before = g_messages;
    buttons[command]->click();
    const bool quiet = g_messages == before;
    check(approxTexts.contains(ui.Label2->text()), "a sixty-fourth or nothing", what);

    if (!quiet)
        return 0;
    switch (command) {
    case 0: { // Fraction to Decimal: the decimal box is the pattern's text or as it was
        const QString decimal = ui.txtDecimal->text();
        check(decimal == texts[3] || decimal == QLocale().decimalPoint() || isNumber(decimal),
              "a decimal", what);
        break;
    }
    case 1: // Decimal to Fraction
        if (isNumber(texts[3])) {
            const double denominator = ui.txtDenominator->text().toDouble();
            check(denominator >= 1 && std::fmod(10000000.0, denominator) == 0,
                  "the denominator divides ten million", what);
            check(isNumber(ui.txtWholeNum->text()), "a whole number", what);
        }
        break;
    case 2: // Reduce
        check(isNumber(ui.txtNumerator->text()) && isNumber(ui.txtDenominator->text()),
              "a numeric fraction", what);
        check(textToDouble(ui.txtDenominator->text()) >= 0, "a denominator not below 0", what);
        break;
    default:
        check(ui.txtNumerator->text() == QStringLiteral("0"), "Clear shows 0", what);
        break;
    }
    return 0;
}
