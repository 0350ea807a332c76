#include "frmfract_ui.h"

#include "frmfract.h"

#include "answerlabel.h"
#include "boxedit.h"
#include "design.h"
#include "formbuilder.h"
#include "formkit.h"
#include "linewidget.h"
#include "screenreader.h"

#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>

namespace zarnith {

namespace {

// The frame captions are set in a small Arial, or the nearest sans-serif
// face; the controls inside keep their own fonts.
QFont captionFont()
{
    QFont font = dialogFont(design::kCaptionPoints);
    font.setFamilies(
        installedFaces({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}));
    return font;
}

} // namespace

void FrmFractUi::setupUi(QMainWindow *window)
{
    QWidget *client = setUpFixedWindow(window, "frmFract", FrmFract::tr("Decimals"), 5382, 2405);

    // In the order in which the window defines them.
    Frame3 = addFrame(client, "Frame3", {60, 105, 2085, 720}, FrmFract::tr("Decimal"));
    using namespace design;
    txtDecimal = addBox(Frame3, "txtDecimal", {135, 195, 1800, 420}, dialogFont(kLargePoints, true), kDecimalChars,
                        Qt::AlignLeft | Qt::AlignVCenter);
    Frame2 = addFrame(client, "Frame2", {2550, 30, 2700, 1005}, FrmFract::tr("Fraction"));
    txtNumerator =
        addBox(Frame2, "txtNumerator", {1425, 195, 1050, 285}, dialogFont(kSmallPoints, true), kDecimalsNumeratorChars);
    txtDenominator = addBox(Frame2, "txtDenominator", {1425, 615, 1050, 285}, dialogFont(kSmallPoints, true),
                            kDecimalsDenominatorChars);
    txtWholeNum =
        addBox(Frame2, "txtWholeNum", {135, 210, 1095, 690}, dialogFont(kWholeNumberPoints, true), kWholeNumberChars);
    Line1 = addLine(Frame2, "Line1", 1395, 540, 2520, 3);
    for (QGroupBox *frame : {Frame3, Frame2})
        frame->setFont(captionFont());

    Frame1 = addFrame(client, "Frame1", {2550, 990, 2700, 1125});
    cmdResult1 = addButton(Frame1, "cmdResult1", FrmFract::tr("Decimal to Fraction"), {1776, 240, 804, 756}, true);
    cmdResult0 = addButton(Frame1, "cmdResult0", FrmFract::tr("Fraction to Decimal"), {888, 240, 804, 756}, true);
    cmdReduce = addButton(Frame1, "cmdReduce", FrmFract::tr("Reduce"), {120, 672, 684, 324});
    cmdClear = addButton(Frame1, "cmdClear", FrmFract::tr("Clear"), {120, 240, 684, 300});

    Label1 = addLabel(client, "Label1", {270, 1800, 1800, 195}, kMakerAddress);
    Label1->setCursor(Qt::WhatsThisCursor);
    Label3 = addLabel(client, "Label3", {105, 1410, 915, 195}, FrmFract::tr("Approximate:"));
    // A field in the boxes' colours (white on a light desktop) that grows
    // to the right with its caption.
    Label2 = addField(client, "Label2", {1185, 1380, 90, 300});
    Label2->setFont(dialogFont(kFractionPoints, true));
    Line2[0] = addLine(client, "Line2_0", 2235, 495, 2415, 2);
    Line2[1] = addLine(client, "Line2_1", 2235, 585, 2415, 2);
    for (LineWidget *line : {Line1, Line2[0], Line2[1]})
        line->setBlackOnLight();
    // Around "Approximate:" and the nearest sixty-fourth, behind them.
    lblAnswer = new AnswerLabel(client);
    lblAnswer->setObjectName("lblAnswer");
    setTwipsGeometry(lblAnswer, 60, 1335, 2085, 375);
    lblAnswer->lower();

    setFocusOrder({txtNumerator, txtDenominator, txtWholeNum, txtDecimal, cmdClear, cmdReduce, cmdResult0, cmdResult1,
                   lblAnswer});
    txtNumerator->setFocus();

    mnuFile = addMenu(window, "mnuFile", FrmFract::tr("&File"));
    mnuFractions = addEntry(mnuFile, "mnuFractions", FrmFract::tr("&Fractions"), kOtherWindowShortcut);
    mnuExit = addEntry(mnuFile, "mnuExit", FrmFract::tr("&Exit"));
    mnuFunctions = addMenu(window, "mnuFunctions", FrmFract::tr("&Functions"));
    mnuReduce = addEntry(mnuFunctions, "mnuReduce", FrmFract::tr("&Reduce"), QKeySequence(Qt::CTRL | Qt::Key_R));
    mnuFracToDec = addEntry(mnuFunctions, "mnuFracToDec", FrmFract::tr("&Fraction to Decimal"),
                            QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuDecToFrac = addEntry(mnuFunctions, "mnuDecToFrac", FrmFract::tr("&Decimal To Fraction"),
                            QKeySequence(Qt::CTRL | Qt::Key_F));
    mnuClear = addEntry(mnuFunctions, "mnuClear", FrmFract::tr("&Clear"));
    mnuHelp = addMenu(window, "mnuHelp", FrmFract::tr("&Help"));
    mnuContets = addEntry(mnuHelp, "mnuContets", FrmFract::tr("&Contents"), QKeySequence(Qt::Key_F1));
    mnuAbout = addEntry(mnuHelp, "mnuAbout", FrmFract::tr("&About"), QKeySequence(Qt::CTRL | Qt::Key_H));

    copyKey = new QAction(FrmFract::tr("&Copy"), window);
    copyKey->setShortcut(QKeySequence::Copy);
    window->addAction(copyKey);
    copyApprox = new QAction(FrmFract::tr("&Copy"), Label2);
    Label2->setContextMenuPolicy(Qt::ActionsContextMenu);
    Label2->addAction(copyApprox);

    // What a screen reader says for each control, with the shortcut of its
    // command (the frame's caption alone would name all three boxes).
    setReaderTexts({
        {txtWholeNum, FrmFract::tr("Whole number")},
        {txtNumerator, FrmFract::tr("Numerator")},
        {txtDenominator, FrmFract::tr("Denominator")},
        {txtDecimal, FrmFract::tr("Decimal")},
        {cmdClear, FrmFract::tr("Clear")},
        {cmdReduce, FrmFract::tr("Reduce"), mnuReduce},
        {cmdResult0, FrmFract::tr("Fraction to Decimal"), mnuFracToDec},
        {cmdResult1, FrmFract::tr("Decimal to Fraction"), mnuDecToFrac},
        {Label2, FrmFract::tr("Nearest sixty-fourth")},
    });
    hideFromReader({Line1, Line2[0], Line2[1]});
}

} // namespace zarnith
