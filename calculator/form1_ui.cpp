#include "form1_ui.h"

#include "form1.h"

#include "answerlabel.h"
#include "boxedit.h"
#include "design.h"
#include "formbuilder.h"
#include "formkit.h"
#include "linewidget.h"
#include "pictures.h"
#include "placement.h"
#include "screenreader.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>

namespace zarnith {

namespace {

// One of the six buttons of the frame: the pointing hand over it.
QPushButton *frameButton(QWidget *parent, const char *name, const QString &caption, TwipsRect r)
{
    QPushButton *b = addButton(parent, name, caption, r);
    b->setCursor(handPointer());
    return b;
}

QPushButton *pictureButton(QWidget *parent, const char *name, Picture picture, TwipsRect r)
{
    QPushButton *b = frameButton(parent, name, QString(), r);
    b->setIcon(pictureIcon(picture));
    b->setIconSize(QSize(design::kPicturePixels, design::kPicturePixels));
    return b;
}

// A picture control takes the size of its 32-pixel picture.
PictureLabel *picture(QWidget *parent, const char *name, int left, int top, Picture p, bool shown)
{
    auto *label = new PictureLabel(parent);
    label->setObjectName(name);
    label->move(twipsToPixels(left), twipsToPixels(top));
    label->setPicture(p);
    label->adjustSize();
    label->setVisible(shown);
    return label;
}

} // namespace

void Form1Ui::setupUi(QMainWindow *window)
{
    QWidget *client = setUpFixedWindow(window, "Form1", kApplicationTitle, 4628, 2743);
    const QFont boxFont = dialogFont(design::kFractionPoints, true);

    // In the order in which the window defines them.
    Frame2 = addFrame(client, "Frame2", {30, 840, 4575, 90});
    Frame1 = addFrame(client, "Frame1", {660, 960, 3225, 1545});
    cmdDecimal = frameButton(Frame1, "cmdDecimal", Form1::tr("&Decimal"), {1890, 870, 1155, 585});
    cmdClear = frameButton(Frame1, "cmdClear", Form1::tr("&Clear"), {1890, 210, 1155, 585});
    for (QPushButton *b : {cmdDecimal, cmdClear})
        b->setFont(dialogFont(design::kLargePoints, true));
    cmdAdd = pictureButton(Frame1, "cmdAdd", Picture::Plus, {180, 210, 585, 585});
    cmdSubtract = pictureButton(Frame1, "cmdSubtract", Picture::Minus, {960, 210, 585, 585});
    cmdMultiply = pictureButton(Frame1, "cmdMultiply", Picture::Times, {960, 870, 585, 585});
    cmdDivide = pictureButton(Frame1, "cmdDivide", Picture::Divide, {180, 870, 585, 585});

    using namespace design;
    txtWholeNum =
        addBox(client, "txtWholeNum", {2880, 240, 855, 555}, dialogFont(kWholeNumberPoints, true), kWholeNumberChars);
    txtD2 = addBox(client, "txtD2", {1500, 570, 705, 285}, boxFont, kCalculatorDenominatorChars);
    txtN2 = addBox(client, "txtN2", {1500, 75, 705, 300}, boxFont, kCalculatorNumeratorChars);
    txtD1 = addBox(client, "txtD1", {90, 570, 705, 285}, boxFont, kCalculatorDenominatorChars);
    txtN1 = addBox(client, "txtN1", {90, 75, 705, 300}, boxFont, kCalculatorNumeratorChars);
    // The whole number blends with the window; a click still edits it.
    txtWholeNum->setBlendsWithWindow();
    txtWholeNum->setFocusPolicy(Qt::ClickFocus);

    txtD3 = addLabel(client, "txtD3", {3900, 600, 75, 240});
    txtN3 = addLabel(client, "txtN3", {3900, 150, 75, 240});
    for (QLabel *label : {txtD3, txtN3})
        label->setFont(boxFont);
    Line1 = addLine(client, "Line1", 3870, 510, 3900, 3);
    Line3 = addLine(client, "Line3", 90, 480, 810, 3);
    Line2 = addLine(client, "Line2", 1500, 480, 2220, 3);

    imgDiv = picture(client, "imgDiv", 1144, 1495, Picture::Divide, false);
    imgMulti = picture(client, "imgMulti", 1144, 1599, Picture::Times, false);
    imgNeg = picture(client, "imgNeg", 1118, 1898, Picture::Minus, false);
    imgPlus = picture(client, "imgPlus", 1144, 1560, Picture::Plus, false);
    Image1 = new PictureLabel(client);
    Image1->setObjectName("Image1");
    setTwipsGeometry(Image1, 930, 270, 480, 480);
    imgEquals = picture(client, "imgEquals", 2340, 273, Picture::Equals, true);
    // Around the result, behind its fields.
    lblAnswer = new AnswerLabel(client);
    lblAnswer->setObjectName("lblAnswer");
    setTwipsGeometry(lblAnswer, 2835, 105, 1778, 720);
    lblAnswer->lower();

    setFocusOrder({txtN1, txtD1, txtN2, txtD2, cmdAdd, cmdSubtract, cmdDivide, cmdMultiply, cmdClear, cmdDecimal,
                   lblAnswer, txtWholeNum});
    txtN1->setFocus();

    mnuFile = addMenu(window, "mnuFile", Form1::tr("&File"));
    mnuDecimal = addEntry(mnuFile, "mnuDecimal", Form1::tr("&Decimal"), kOtherWindowShortcut);
    mnuExit = addEntry(mnuFile, "mnuExit", Form1::tr("&Exit"));
    mnuFunction = addMenu(window, "mnuFunction", Form1::tr("&Functions"));
    mnuAdd = addEntry(mnuFunction, "mnuAdd", Form1::tr("&Add"), QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuDivide = addEntry(mnuFunction, "mnuDivide", Form1::tr("&Divide"), QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuMultiply = addEntry(mnuFunction, "mnuMultiply", Form1::tr("&Multiply"), QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuSubtract = addEntry(mnuFunction, "mnuSubtract", Form1::tr("&Subtract"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuHelp = addMenu(window, "mnuHelp", Form1::tr("&Help"));
    mnuContents = addEntry(mnuHelp, "mnuContents", Form1::tr("&Contents"), QKeySequence(Qt::Key_F1));
    mnuAbout = addEntry(mnuHelp, "mnuAbout", Form1::tr("&About"), QKeySequence(Qt::CTRL | Qt::Key_H));

    cancelKey = new QAction(window);
    cancelKey->setShortcut(QKeySequence(Qt::Key_Escape));
    window->addAction(cancelKey);
    copyKey = new QAction(Form1::tr("&Copy"), window);
    copyKey->setShortcut(QKeySequence::Copy);
    window->addAction(copyKey);
    for (QWidget *field : {(QWidget *)txtWholeNum, (QWidget *)txtN3, (QWidget *)txtD3}) {
        field->setContextMenuPolicy(Qt::ActionsContextMenu);
        field->addAction(copyKey);
    }

    // What a screen reader says for each control, with the shortcut of its
    // command; the operator sign takes the name of the picture it shows.
    setReaderTexts({
        {txtN1, Form1::tr("First fraction, numerator")},
        {txtD1, Form1::tr("First fraction, denominator")},
        {txtN2, Form1::tr("Second fraction, numerator")},
        {txtD2, Form1::tr("Second fraction, denominator")},
        {cmdAdd, Form1::tr("Add"), mnuAdd},
        {cmdSubtract, Form1::tr("Subtract"), mnuSubtract},
        {cmdMultiply, Form1::tr("Multiply"), mnuMultiply},
        {cmdDivide, Form1::tr("Divide"), mnuDivide},
        {cmdClear, Form1::tr("Clear"), cancelKey},
        {cmdDecimal, Form1::tr("Decimal"), mnuDecimal},
        {txtWholeNum, Form1::tr("Result, whole number")},
        {txtN3, Form1::tr("Result, numerator")},
        {txtD3, Form1::tr("Result, denominator")},
        {imgPlus, Form1::tr("plus")},
        {imgNeg, Form1::tr("minus")},
        {imgMulti, Form1::tr("times")},
        {imgDiv, Form1::tr("divided by")},
    });
    hideFromReader({imgEquals, Line1, Line2, Line3});
}

} // namespace zarnith
