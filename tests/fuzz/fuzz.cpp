// libFuzzer: a command byte and four texts for the Decimals window's boxes. Per text the numeric test, parser and
// conversion agree and what they accept writes back; the command shows a tabled sixty-fourth and numbers where due.
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

#define CHECK(holds, property) ((holds) ? void() : qFatal("property failed: %s", property)) // libFuzzer shows the input

static void parse(const QString &text)
{
    const auto number = [](double value) { return QString::number(value, 'g', 17); };
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German)}) {
        const auto read = [&](const QString &t) { return test::outcome(textToDouble(t, locale), number); };
        const ParsedNumber parsed = parseNumber(text, locale);
        const double value = parsed.value, size = std::fabs(value);
        CHECK(isNumericText(text, locale) == parsed.isNumeric(), "test and parser agree");
        const QString expected[] = {number(value), "mismatch", "overflow"}; // by status: Ok, NotNumeric, OutOfRange
        CHECK(read(text) == expected[int(parsed.status)], "the conversion agrees");
        if (parsed.status != ParsedNumber::Status::Ok)
            continue;
        CHECK(withinSingleRange(value) || size > FLT_MAX, "float range");
        const QString back = read(doubleToText(value, locale)); // at 15 digits the largest round past the range
        CHECK(size > 1.797693134862315e308 ? back == "overflow" : std::fabs(back.toDouble() - value) <= size * 5.1e-15,
              "written back");
    }
}

static void decimals(int command, const QStringList &texts)
{
    static const FrmFractUi &ui = (new FrmFract(*new Module1))->ui(); // the window, for the whole run
    static QSet<QString> approxTexts = {QString()};
    for (int k = 0; approxTexts.size() < 66; ++k)
        approxTexts << nearestSixtyFourth(k / 64.0 + (k == 64));
    static int messages = 0;
    setMessageSink([](QWidget *, const QString &) { ++messages; });
    for (int i = 0; auto *box : {ui.txtWholeNum, ui.txtNumerator, ui.txtDenominator, ui.txtDecimal})
        box->setProgramText(texts[i++]);
    const int before = messages;
    QList{ui.cmdResult0, ui.cmdResult1, ui.cmdReduce, ui.cmdClear}[command]->click();
    CHECK(approxTexts.contains(ui.Label2->text()), "a nearest sixty-fourth from its table");
    const auto isNumber = [](const QString &t) { return parseNumber(t).status == ParsedNumber::Status::Ok; };
    const QString decimal = ui.txtDecimal->text(), numerator = ui.txtNumerator->text(), den = ui.txtDenominator->text();
    const bool holds[] = {
        decimal.isEmpty() || decimal == texts[3] || isNumber(decimal) || decimal == QLocale().decimalPoint(),
        !isNumber(texts[3]) || (std::fmod(1e7, den.toDouble()) == 0 && isNumber(ui.txtWholeNum->text())),
        isNumber(numerator) && isNumber(den) && *textToDouble(den) >= 0, numerator == "0"};
    const char *properties[] = {"a decimal", "the denominator divides ten million", "a fraction", "Clear shows 0"};
    CHECK(messages != before || holds[command], properties[command]); // by command, unless a message refused its input
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
