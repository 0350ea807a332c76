#include "frmabout_ui.h"

#include "frmabout.h"

#include "design.h"
#include "formbuilder.h"
#include "formkit.h"
#include "linewidget.h"
#include "pictures.h"
#include "placement.h"
#include "screenreader.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

namespace zarnith {

namespace {

const QColor kLightGrey(192, 192, 192);

// The box was laid out at 13 twips to the pixel: its pictures (48 by 48
// and 157 by 120 pixels there) are drawn at the size of their controls, so
// that they keep their place beside the rule and the button.
QLabel *picture(QWidget *parent, const char *name, TwipsRect r, QPixmap (*draw)(QSize))
{
    QLabel *label = addLabel(parent, name, r);
    label->setPixmap(draw(label->size()));
    return label;
}

// A label on the black background in the given colour.
QLabel *text(QWidget *parent, const char *name, TwipsRect r, const QString &caption, const QColor &color,
             const QFont &font)
{
    QLabel *label = addLabel(parent, name, r);
    label->setFont(font);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
    label->setText(caption);
    return label;
}

} // namespace

void FrmAboutUi::setupUi(QDialog *dialog)
{
    dialog->setObjectName("frmAbout");
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog->setFont(dialogFont(design::kDialogPoints));
    // The title bar of a fixed dialog shows no icon where the window manager
    // follows that rule; task bars and window switchers show the program's.
    dialog->setWindowIcon(programIcon());
    dialog->setFixedSize(twipsToPixels(4017), twipsToPixels(3055));
    dialog->setAutoFillBackground(true);
    QPalette black = dialog->palette();
    black.setColor(QPalette::Window, Qt::black);
    dialog->setPalette(black);

    cmdOK = addButton(dialog, "cmdOK", FrmAbout::tr("OK"), {2496, 2448, 972, 420});
    cmdOK->setDefault(true);
    Image1 = picture(dialog, "Image1", {676, 2353, 624, 624}, programIconPixmap);
    Image2 = picture(dialog, "Image2", {39, 299, 2041, 1560}, aboutPicture);

    QFont title = dialogFont(design::kLargePoints, true);
    title.setFamilies(installedFaces({QStringLiteral("Arial Black"), QStringLiteral("DejaVu Sans")}));
    title.setWeight(QFont::Black);
    title.setItalic(true);
    lblTitle = text(dialog, "lblTitle", {480, 30, 3090, 345}, kApplicationTitle, Qt::yellow, title);
    Label3 = text(dialog, "Label3", {2310, 840, 1650, 885},
                  FrmAbout::tr("Zarnith developers. Free to use, copy and share."), kLightGrey, dialog->font());
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblDisclaimer = text(dialog, "lblDisclaimer", {912, 2064, 2160, 192}, kMakerAddress, kLightGrey,
                         dialogFont(design::kSmallPoints, true));
    // An etched rule: a light grey band with a white edge on top.
    Line1 = addLine(dialog, "Line1_0", 120, 1958, 3837, 4, LineWidget::Thickness::Inside);
    Line1->setColor(kLightGrey);
    Line2 = addLine(dialog, "Line2", 120, 1958, 3837, 1);
    Line2->setColor(Qt::white);
    lblVersion =
        text(dialog, "lblVersion", {3060, 450, 105, 240}, QString(), Qt::white, dialogFont(design::kSmallPoints, true));

    // The pictures carry no meaning a screen reader could tell.
    hideFromReader({Image1, Image2, Line1, Line2});

    setFocusOrder({cmdOK, lblDisclaimer, lblTitle, lblVersion, Label3});
    cmdOK->setFocus();
}

} // namespace zarnith
