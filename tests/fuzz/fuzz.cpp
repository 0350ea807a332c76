// Coverage-guided fuzz targets (libFuzzer): this file built once for each
// ZARNITH_FUZZ_TARGET, checking properties, not only that nothing crashes:
//   0 parse     the numeric-text test, the parser and the conversions agree,
//               and what they accept writes back to its value;
//   1 format    number to text and both patterns read back within their rounding;
//   2 decimals  the Decimals window's commands on four box texts: a nearest
//               sixty-fourth from its table, and numbers where numbers are due.

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

// A text read back as a double ("" and the separator alone are 0), or the error.
QString readBack(const QString &text, const QLocale &locale)
{
    return text.isEmpty() || text == locale.decimalPoint() ? "0" : outcome([&] { return QString::number(textToDouble(text, locale), 'g', 17); });
}

// `back` is `value` to within `error`; past the double range at 15 digits
// (the largest doubles round up) it is an overflow.
bool near(const QString &back, double value, double error, bool fifteen = true)
{
    return fifteen && std::fabs(value) > 1.797693134862315e308 ? back == "overflow" : std::fabs(back.toDouble() - value) <= error;
}

void parse(const QString &text)
{
    for (const QLocale &locale : kLocales) {
        const ParsedNumber parsed = parseNumber(text, locale);
        const bool inRange = parsed.status == ParsedNumber::Status::Ok;
        check(isNumericText(text, locale) == parsed.isNumeric(), "test and parser agree", text);
        const QString read = outcome([&] { return QString::number(textToDouble(text, locale), 'g', 17); });
        check(read == (!parsed.isNumeric() ? "mismatch" : inRange ? QString::number(parsed.value, 'g', 17) : "overflow"), "the conversion agrees", text);
        if (inRange) {
            check(outcome([&] { return QString::number(textToSingle(text, locale)); }) != "overflow" || std::fabs(parsed.value) > FLT_MAX, "float range", text);
            check(near(readBack(doubleToText(parsed.value, locale), locale), parsed.value, std::fabs(parsed.value) * 5.1e-15), "written back", text);
        }
    }
}

void format(double value, float single)
{
    const QString what = QString::number(value, 'g', 17);
    for (const QLocale &locale : kLocales) {
        const QString decimal = decimalPatternText(value, locale), whole = fractionPatternText(value);
        check(!decimal.contains(u'E') && decimal.contains(locale.decimalPoint()) && whole != "0" && whole != "-0", "pattern forms", what);
        check(near(readBack(doubleToText(value, locale), locale), value, std::fabs(value) * 5.1e-15), "15 digits", what);
        check(near(readBack(decimal, locale), value, 0.5e-10 + std::fabs(value) * 1e-14), "ten places", what);
        check(near(readBack(whole, locale), value, 0.5 + std::fabs(value) * 1e-14), "a half", what);
        check(near(readBack(singleToText(single, locale), locale), single, std::fabs(single) * 5.1e-7, false), "7 digits", what);
    }
}

void decimals(int command, const QStringList &texts)
{
    static auto *window = new FrmFract(*new Module1);
    static QSet<QString> approxTexts = {QString()};
    for (int k = 0; approxTexts.size() < 66; ++k)
        approxTexts << nearestSixtyFourth(k / 64.0 + (k == 64));
    static int messages = 0;
    setMessageSink([](QWidget *, const QString &) { ++messages; });
    const FrmFractUi &ui = window->ui();
    BoxEdit *boxes[] = {ui.txtWholeNum, ui.txtNumerator, ui.txtDenominator, ui.txtDecimal};
    for (int i = 0; i < 4; ++i)
        boxes[i]->setProgramText(texts[i]);
    const int before = messages;
    QPushButton *buttons[] = {ui.cmdResult0, ui.cmdResult1, ui.cmdReduce, ui.cmdClear};
    buttons[command]->click();
    const QString what = texts.join(u'|');
    check(approxTexts.contains(ui.Label2->text()), "a nearest sixty-fourth from its table", what);
    const auto number = [](const QString &t) { return parseNumber(t).status == ParsedNumber::Status::Ok; };
    if (messages != before)
        return;
    const QString decimal = ui.txtDecimal->text();
    check(command != 0 || decimal == texts[3] || number(decimal) || decimal == QLocale().decimalPoint(), "a decimal", what);
    check(command != 1 || !number(texts[3]) || (std::fmod(1e7, ui.txtDenominator->text().toDouble()) == 0 && number(ui.txtWholeNum->text())),
          "the denominator divides ten million", what);
    check(command != 2 || (number(ui.txtNumerator->text()) && textToDouble(ui.txtDenominator->text()) >= 0), "a fraction", what);
    check(command != 3 || ui.txtNumerator->text() == "0", "Clear shows 0", what);
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
    double value = 0;
    float single = 0;
    if (ZARNITH_FUZZ_TARGET == 0) {
        parse(input);
    } else if (ZARNITH_FUZZ_TARGET == 1 && size >= sizeof value + sizeof single) {
        std::memcpy(&value, data, sizeof value);
        std::memcpy(&single, data + sizeof value, sizeof single);
        if (std::isfinite(value) && std::isfinite(single))
            format(value, single);
    } else if (ZARNITH_FUZZ_TARGET == 2 && size > 0) {
        QStringList fields = input.mid(1).split(u'\n');
        while (fields.size() < 4)
            fields << QString();
        decimals(data[0] % 4, fields);
    }
    return 0;
}
