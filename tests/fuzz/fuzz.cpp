// Coverage-guided fuzz targets (libFuzzer). Each is this file built with
// ZARNITH_FUZZ_TARGET naming what it drives, and checks properties of the
// results, not only that nothing crashes:
//   parse      the numeric-text test and the parser agree; what they accept
//              converts unless out of range and writes back to its value;
//   format     number to text and both patterns read back within their rounding;
//   decimals   the Decimals window's commands on four box texts: a nearest
//              sixty-fourth from its table, and numbers where numbers are due.

#include "boxedit.h"
#include "formkit.h"
#include "frmfract.h"
#include "harness.h"
#include "module1.h"
#include "numbers.h"
#include "sixtyfourths.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

#include <cfloat>
#include <cmath>
#include <cstring>

using namespace zarnith;
using test::outcome;

namespace {

void check(bool holds, const char *property, const QString &input)
{
    if (!holds) {
        std::fprintf(stderr, "property failed: %s [%s]\n", property, qPrintable(input));
        std::abort();
    }
}

const QLocale kLocales[] = {QLocale::c(), QLocale(QLocale::German)};
// The largest doubles round, at 15 digits, past the double range.
constexpr double kLargest15 = 1.797693134862315e308;

QString text15(double value, const QLocale &locale)
{
    return outcome([&] { return QString::number(textToDouble(doubleToText(value, locale), locale), 'g', 17); });
}

void parse(const QString &text)
{
    for (const QLocale &locale : kLocales) {
        const ParsedNumber parsed = parseNumber(text, locale);
        check(isNumericText(text, locale) == parsed.isNumeric(), "test and parser agree", text);
        const QString read = outcome([&] { return QString::number(textToDouble(text, locale), 'g', 17); });
        const bool inRange = parsed.status == ParsedNumber::Status::Ok;
        check(read == (!parsed.isNumeric() ? "mismatch" : inRange ? read : "overflow"), "errors", text);
        if (!inRange)
            continue;
        check(outcome([&] { return QString::number(textToSingle(text, locale)); }) != "overflow"
                  || std::fabs(parsed.value) > FLT_MAX, "float range", text);
        const QString back = text15(parsed.value, locale);
        check(std::fabs(parsed.value) > kLargest15 ? back == "overflow"
                                                   : std::fabs(back.toDouble() - parsed.value) <= std::fabs(parsed.value) * 5.1e-15,
              "written value reads back", text);
    }
}

// A pattern's text as a number: "." alone and "" are zero.
double patternValue(const QString &text, const QLocale &locale)
{
    return text.isEmpty() || text == locale.decimalPoint() ? 0 : textToDouble(text, locale);
}

void format(double value, float single)
{
    const QString what = QString::number(value, 'g', 17);
    for (const QLocale &locale : kLocales) {
        const QString decimal = decimalPatternText(value, locale), whole = fractionPatternText(value);
        check(!decimal.contains(u'E') && decimal.contains(locale.decimalPoint()), "decimal pattern form", what);
        check(whole != "0" && whole != "-0", "zero is empty", what);
        check(std::fabs(textToDouble(singleToText(single, locale), locale) - single) <= std::fabs(single) * 5.1e-7,
              "7 digits read back", QString::number(single, 'g', 9));
        if (std::fabs(value) > kLargest15) {
            check(text15(value, locale) == "overflow", "past the range at 15 digits", what);
            continue;
        }
        check(std::fabs(text15(value, locale).toDouble() - value) <= std::fabs(value) * 5.1e-15, "15 digits", what);
        check(std::fabs(patternValue(decimal, locale) - value) <= 0.5e-10 + std::fabs(value) * 1e-14, "ten places", what);
        check(std::fabs(patternValue(whole, locale) - value) <= 0.5 + std::fabs(value) * 1e-14, "a half", what);
    }
}

void decimals(int command, const QStringList &texts)
{
    static auto *window = new FrmFract(*new Module1);
    static const QSet<QString> approxTexts = [] {
        QSet<QString> texts{QString()};
        for (int k = 0; k <= 64; ++k)
            texts << nearestSixtyFourth(k / 64.0 + (k == 64));
        return texts;
    }();
    static int messages = 0;
    setMessageSink([](QWidget *, const QString &) { ++messages; });
    const FrmFractUi &ui = window->ui();
    ui.txtWholeNum->setProgramText(texts[0]);
    ui.txtNumerator->setProgramText(texts[1]);
    ui.txtDenominator->setProgramText(texts[2]);
    ui.txtDecimal->setProgramText(texts[3]);
    const int before = messages;
    QPushButton *buttons[] = {ui.cmdResult0, ui.cmdResult1, ui.cmdReduce, ui.cmdClear};
    buttons[command]->click();
    const QString what = texts.join(u'|');
    check(approxTexts.contains(ui.Label2->text()), "a nearest sixty-fourth from its table", what);
    const auto number = [](const QString &t) { return parseNumber(t).status == ParsedNumber::Status::Ok; };
    if (messages != before)
        return;
    if (command == 0)
        check(ui.txtDecimal->text() == texts[3] || number(ui.txtDecimal->text())
                  || ui.txtDecimal->text() == QLocale().decimalPoint(), "a decimal", what);
    if (command == 1 && number(texts[3]))
        check(std::fmod(1e7, ui.txtDenominator->text().toDouble()) == 0 && number(ui.txtWholeNum->text()),
              "the denominator divides ten million", what);
    if (command == 2)
        check(number(ui.txtNumerator->text()) && textToDouble(ui.txtDenominator->text()) >= 0, "a fraction", what);
    if (command == 3)
        check(ui.txtNumerator->text() == "0", "Clear shows 0", what);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (ZARNITH_FUZZ_TARGET == 2)
        new QApplication(*argc, *argv); // lives for the run
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList fields = input.mid(ZARNITH_FUZZ_TARGET == 2 ? 1 : 0).split(u'\n');
    while (fields.size() < 4)
        fields << QString();
    double value = 0;
    float single = 0;
    switch (ZARNITH_FUZZ_TARGET) {
    case 0:
        parse(input);
        break;
    case 1:
        if (size < sizeof value + sizeof single)
            return 0;
        std::memcpy(&value, data, sizeof value);
        std::memcpy(&single, data + sizeof value, sizeof single);
        if (std::isfinite(value) && std::isfinite(single))
            format(value, single);
        break;
    default:
        if (size > 0)
            decimals(data[0] % 4, fields);
    }
    return 0;
}
