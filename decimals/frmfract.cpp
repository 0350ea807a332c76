#include "frmfract.h"

#include "answerlabel.h"
#include "boxedit.h"
#include "errors.h"
#include "formkit.h"
#include "module1.h"
#include "numbers.h"
#include "screenreader.h"
#include "sixtyfourths.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace zarnith {

namespace {

const QString kKeepSmall = QStringLiteral("COME ON NOW... Keep those numbers small please.");

// The decimal-to-fraction method works in ten-millionths.
constexpr double kTenMillion = 10000000.0;

} // namespace

FrmFract::FrmFract(Module1 &engine, QWidget *parent) : QMainWindow(parent)
{
    m_ui.setupUi(this);
    new WindowShortcutsFirst(this);
    for (BoxEdit *box : {m_ui.txtWholeNum, m_ui.txtNumerator, m_ui.txtDenominator, m_ui.txtDecimal})
        box->setSelectAllOnFocus(true);

    connect(m_ui.cmdResult0, &QPushButton::clicked, this, &FrmFract::fractionToDecimal);
    connect(m_ui.cmdResult1, &QPushButton::clicked, this, &FrmFract::decimalToFraction);
    connect(m_ui.cmdReduce, &QPushButton::clicked, this, &FrmFract::reduce);
    connect(m_ui.cmdClear, &QPushButton::clicked, this, &FrmFract::clear);
    // Each Functions entry presses its button.
    const std::pair<QAction *, QPushButton *> presses[] = {
        {m_ui.mnuReduce, m_ui.cmdReduce},
        {m_ui.mnuFracToDec, m_ui.cmdResult0},
        {m_ui.mnuDecToFrac, m_ui.cmdResult1},
        {m_ui.mnuClear, m_ui.cmdClear},
    };
    for (const auto &[entry, button] : presses)
        connect(entry, &QAction::triggered, button, &QPushButton::click);
    connect(m_ui.mnuFractions, &QAction::triggered, this, &FrmFract::fractionsRequested);
    connect(m_ui.mnuExit, &QAction::triggered, this, &FrmFract::exitRequested);
    connect(m_ui.mnuAbout, &QAction::triggered, this, &FrmFract::aboutRequested);
    connect(m_ui.mnuContets, &QAction::triggered, this, &FrmFract::contentsRequested);
    connect(m_ui.copyKey, &QAction::triggered, this, &FrmFract::copyAnswer);
    connect(m_ui.copyApprox, &QAction::triggered, this, &FrmFract::copyNearestSixtyFourth);
    m_ui.Label1->installEventFilter(this);

    resetWorkingValues();
    engine.varResultDenominator = Variant::int16(0);
    showWorkingValues();
}

void FrmFract::resetWorkingValues()
{
    varWholeNum = Variant::int16(0);
    sngWholeParts = 0;
    dblDecimal = 0;
    sngNumerator = 0;
    sngDenominator = 0;
    sngWorkNumerator = 0;
    sngWorkDenominator = 0;
}

void FrmFract::showWorkingValues()
{
    m_ui.txtNumerator->setProgramText(doubleToText(sngNumerator));
    m_ui.txtDenominator->setProgramText(doubleToText(sngDenominator));
    m_ui.txtWholeNum->setProgramText(varWholeNum.toText());
}

// Fraction to Decimal: w + n/d, the product w x d floored first. Only a
// positive numerator over a positive denominator is converted, and the
// nearest sixty-fourth of the decimal shown beside it. Otherwise nothing is
// computed, and the decimal box and the nearest sixty-fourth are emptied, so
// that no earlier answer stands beside the new fraction as if it were its.
void FrmFract::fractionToDecimal()
{
    try {
        const QString numerator = m_ui.txtNumerator->text();
        const QString denominator = m_ui.txtDenominator->text();
        if (numerator.isEmpty() || denominator.isEmpty())
            return;
        if (m_ui.txtWholeNum->text().isEmpty())
            m_ui.txtWholeNum->setProgramText(QStringLiteral("0"));
        const QString whole = m_ui.txtWholeNum->text();
        varWholeNum = Variant::text(whole);

        const std::pair<const QString &, const char *> checks[] = {
            {numerator, "Numbers ONLY!  Check you Numerator"},
            {denominator, "Numbers ONLY!  Check you Denominator"},
            {whole, "Numbers ONLY!  Check you Whole Number"},
        };
        for (const auto &[text, message] : checks) {
            if (!isNumericText(text)) {
                showMessage(this, QString::fromLatin1(message));
                return;
            }
        }

        sngNumerator = textWithinSingleRange(numerator);
        sngDenominator = textWithinSingleRange(denominator);
        if (!(sngNumerator > 0 && sngDenominator > 0)) {
            strApprox.clear();
            m_ui.txtDecimal->setProgramText(QString());
            showApprox();
            m_ui.lblAnswer->setAnswer(QString());
            return;
        }
        const Variant product = varWholeNum * Variant::real(sngDenominator);
        sngWholeParts = std::floor(withinSingleRange(product.number()));
        dblDecimal = divide(Variant::real(sngWholeParts + sngNumerator), Variant::real(sngDenominator)).number();
        m_ui.txtDecimal->setProgramText(decimalPatternText(dblDecimal));
        decFract(Variant::real(dblDecimal));
        announceConversion(m_ui.txtDecimal->text());
    } catch (const EngineError &) {
        showMessage(this, kKeepSmall);
    }
}

// Decimal to Fraction, then the nearest sixty-fourth of what the decimal box
// holds afterwards. A decimal outside the method's range changes nothing.
void FrmFract::decimalToFraction()
{
    try {
        Result1();
        decFract(Variant::text(m_ui.txtDecimal->text()));
        // An empty decimal box converted nothing (or was emptied with a
        // message): nothing new to speak.
        if (!m_ui.txtDecimal->text().isEmpty())
            announceConversion(spokenFraction());
    } catch (const EngineError &) {
        showMessage(this, kKeepSmall);
    }
}

// The decimal over 10,000,000, reduced by trial division with 2 to 50 in
// eleven passes.
void FrmFract::Result1()
{
    const QString text = m_ui.txtDecimal->text();
    if (text.isEmpty())
        return;
    if (!isNumericText(text)) {
        showMessage(this, QStringLiteral("Numbers ONLY!"));
        m_ui.txtDecimal->setProgramText(QString());
        return;
    }
    // The range of the method, before anything is stored: the ten-million-
    // fold decimal must lie inside the 32-bit integer range (about +-214.748).
    const double decimal = textToDouble(text);
    const double tenMillionFold = decimal * kTenMillion;
    roundToInt32(tenMillionFold);

    dblDecimal = decimal;
    sngWorkNumerator = tenMillionFold;
    sngWorkDenominator = kTenMillion;
    for (int pass = 0; pass <= 10; ++pass) {
        for (int k = 2; k <= 50; ++k) {
            const bool numeratorDivides = integerModulo(sngWorkNumerator, k) == 0;
            const bool denominatorDivides = integerModulo(sngWorkDenominator, k) == 0;
            if (numeratorDivides && denominatorDivides) {
                sngWorkNumerator /= k;
                sngWorkDenominator /= k;
            }
        }
    }
    sngNumerator = sngWorkNumerator;
    sngDenominator = sngWorkDenominator;

    // The whole-number box always shows this decimal's whole part: 0 when
    // the fraction does not exceed 1, so no earlier whole part stays there.
    if (sngNumerator > sngDenominator) {
        const double quotient = sngNumerator / sngDenominator;
        varWholeNum = Variant::real(quotient);
        sngNumerator = integerModulo(sngNumerator, sngDenominator);
        m_ui.txtWholeNum->setProgramText(doubleToText(std::floor(quotient)));
    } else {
        m_ui.txtWholeNum->setProgramText(QStringLiteral("0"));
    }
    decFract(Variant::real(dblDecimal));
    m_ui.txtNumerator->setProgramText(fractionPatternText(sngNumerator));
    m_ui.txtDenominator->setProgramText(fractionPatternText(sngDenominator));
}

// Shows the nearest sixty-fourth of a number, or of a text through the
// number parser. A text the parser does not take leaves the display as it
// is; a negative value empties it.
void FrmFract::decFract(const Variant &value)
{
    double x = 0;
    if (value.kind() == Variant::Kind::Text) {
        const ParsedNumber parsed = parseNumber(value.toText());
        if (parsed.status != ParsedNumber::Status::Ok)
            return;
        x = parsed.value;
    } else {
        x = value.number();
    }
    strApprox = nearestSixtyFourth(x);
    showApprox();
}

void FrmFract::showApprox()
{
    m_ui.Label2->setText(strApprox);
    m_ui.Label2->adjustSize();
}

void FrmFract::reduce()
{
    try {
        sngNumerator = textWithinSingleRange(m_ui.txtNumerator->text());
        sngDenominator = textWithinSingleRange(m_ui.txtDenominator->text());
        reduceFract();
        m_ui.txtDenominator->setProgramText(doubleToText(sngDenominator));
        m_ui.txtNumerator->setProgramText(doubleToText(sngNumerator));
        tellAnswer(spokenFraction());
    } catch (const EngineError &) {
        showMessage(this, QStringLiteral("Error.......Numbers Only"));
    }
}

// Euclid's algorithm on the absolute values with rounding integer division,
// the sign onto the numerator, an improper fraction's whole part carried
// into the whole number typed in the box. A zero denominator is left alone.
void FrmFract::reduceFract()
{
    double a = std::fabs(sngNumerator);
    double b = std::fabs(sngDenominator);
    if (b == 0)
        return;
    double r = 0;
    do {
        const std::int32_t q = integerDivide(a, b);
        r = a - b * q;
        a = b;
        b = r;
    } while (r > 0);
    sngNumerator = integerDivide(sngNumerator, a);
    sngDenominator = integerDivide(sngDenominator, a);
    if (sngDenominator < 0) {
        sngNumerator = -sngNumerator;
        sngDenominator = -sngDenominator;
    }

    // The whole number comes from its box every time, so a number the user
    // typed there is kept and carried onto.
    double whole = textToDouble(m_ui.txtWholeNum->text());
    if (sngNumerator > sngDenominator) {
        const double quotient = sngNumerator / sngDenominator;
        sngNumerator = integerModulo(sngNumerator, sngDenominator);
        whole += std::floor(quotient);
    }
    varWholeNum = Variant::real(whole);

    if (sngDenominator == 1) {
        m_ui.txtWholeNum->setProgramText((varWholeNum + Variant::real(sngNumerator)).toText());
        sngNumerator = 0;
        sngDenominator = 0;
    } else {
        m_ui.txtWholeNum->setProgramText(varWholeNum.toText());
    }
}

void FrmFract::clear()
{
    resetWorkingValues();
    strApprox.clear();
    m_ui.txtDecimal->setProgramText(QString());
    showApprox();
    showWorkingValues();
    m_ui.lblAnswer->setAnswer(QString());
    announce(this, QStringLiteral("Cleared"));
}

// Ctrl+C: the decimal after Fraction to Decimal, the mixed number after
// Decimal to Fraction or Reduce, unless text is selected in a box.
void FrmFract::copyAnswer()
{
    copySelectionOrAnswer(m_ui.lblAnswer->answer());
}

// The fraction the boxes show, the way it is spoken.
QString FrmFract::spokenFraction() const
{
    return spokenMixedNumber(m_ui.txtWholeNum->text(), m_ui.txtNumerator->text(),
                             m_ui.txtDenominator->text());
}

// Speaks a conversion's result together with the nearest sixty-fourth now
// shown: "2 3/4, nearest sixty-fourth more than 63/64".
void FrmFract::announceConversion(const QString &result)
{
    QStringList parts;
    if (!result.isEmpty())
        parts << result;
    if (!strApprox.isEmpty()) {
        QString approx = strApprox;
        approx.replace(QLatin1String("> "), QLatin1String("more than "))
            .replace(QLatin1String("< "), QLatin1String("less than "));
        parts << QStringLiteral("nearest sixty-fourth ") + approx;
    }
    tellAnswer(result, parts.join(QLatin1String(", ")));
}

// Copy on the nearest sixty-fourth: the text it shows ("3/8").
void FrmFract::copyNearestSixtyFourth()
{
    if (!strApprox.isEmpty())
        QApplication::clipboard()->setText(strApprox);
}

// The answer kept for Ctrl+C and the readout, and spoken as it appears.
void FrmFract::tellAnswer(const QString &answer, const QString &spoken)
{
    m_ui.lblAnswer->setAnswer(answer, spoken);
    announce(this, spoken.isEmpty() ? answer : spoken);
}

void FrmFract::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit unloading();
}

bool FrmFract::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ui.Label1 && event->type() == QEvent::MouseButtonRelease)
        emit webAddressClicked();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace zarnith
