// The coverage-guided fuzz target (libFuzzer). An input is a command byte and four texts for the Decimals window's
// boxes. It checks properties, not only that nothing crashes: for each text, the numeric-text test, the parser and the
// conversion agree, and what they accept writes back to its value; then the command runs through the real window,
// which shows a nearest sixty-fourth from its table and numbers where numbers are due.

#include "boxedit.h"
#include "formkit.h"
#include "frmfract.h"
#include "module1.h"
#include "numbers.h"
#include "sixtyfourths.h"
#include "tables.h"

#include <QtWidgets>
#include <cfloat>
#include <cmath>

using namespace zarnith;

static void check(bool holds, const char *property, const QString &input)
{
    if (!holds)
        qFatal("property failed: %s [%s]", property, qPrintable(input));
}

static void parse(const QString &text)
{
    const auto number = [](double value) { return QString::number(value, 'g', 17); };
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German)}) {
        const auto read = [&](const QString &t) { return test::outcome(textToDouble(t, locale), number); };
        const ParsedNumber parsed = parseNumber(text, locale);
        const double value = parsed.value, size = std::fabs(value);
        check(isNumericText(text, locale) == parsed.isNumeric(), "test and parser agree", text);
        const QString expected[] = {number(value), "mismatch", "overflow"}; // by status: Ok, NotNumeric, OutOfRange
        check(read(text) == expected[int(parsed.status)], "the conversion agrees", text);
        if (parsed.status != ParsedNumber::Status::Ok)
            continue;
        check(withinSingleRange(value) || size > FLT_MAX, "float range", text);
        // The largest doubles round, at 15 digits, past the double range.
        const QString back = read(doubleToText(value, locale));
        check(size > 1.797693134862315e308 ? back == "overflow" : std::fabs(back.toDouble() - value) <= size * 5.1e-15,
              "written back", text);
    }
}

static void decimals(int command, const QStringList &texts)
{
    static auto *window = new FrmFract(*new Module1);
    static QSet<QString> approxTexts = {QString()};
    for (int k = 0; approxTexts.size() < 66; ++k)
        approxTexts << nearestSixtyFourth(k / 64.0 + (k == 64));
    static int messages = 0;
    setMessageSink([](QWidget *, const QString &) { ++messages; });
    const FrmFractUi &ui = window->ui();
    for (int i = 0; auto *box : {ui.txtWholeNum, ui.txtNumerator, ui.txtDenominator, ui.txtDecimal})
        box->setProgramText(texts[i++]);
    const int before = messages;
    QList{ui.cmdResult0, ui.cmdResult1, ui.cmdReduce, ui.cmdClear}[command]->click();
    const QString what = texts.join(u'|'), decimal = ui.txtDecimal->text();
    check(approxTexts.contains(ui.Label2->text()), "a nearest sixty-fourth from its table", what);
    const auto isNumber = [](const QString &t) { return parseNumber(t).status == ParsedNumber::Status::Ok; };
    if (messages != before)
        return;
    check(command != 0 || decimal.isEmpty() || decimal == texts[3] || isNumber(decimal)
              || decimal == QLocale().decimalPoint(),
          "a decimal", what);
    check(command != 1 || !isNumber(texts[3])
              || (std::fmod(1e7, ui.txtDenominator->text().toDouble()) == 0 && isNumber(ui.txtWholeNum->text())),
          "the denominator divides ten million", what);
    check(command != 2 || (isNumber(ui.txtNumerator->text()) && *textToDouble(ui.txtDenominator->text()) >= 0),
          "a fraction", what);
    check(command != 3 || ui.txtNumerator->text() == "0", "Clear shows 0", what);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    QStringList texts = QString::fromUtf8(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1).split(u'\n');
    texts.resize(qMax(texts.size(), qsizetype(4)));
    for (const QString &text : texts)
        parse(text);
    decimals(data[0] % 4, texts);
    return 0;
}
