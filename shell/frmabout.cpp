#include "frmabout.h"

#include "formkit.h"
#include "version.h"

#include <QLabel>
#include <QPushButton>

namespace zarnith {

namespace {

// Sizes a centred label to its caption about the centre it was laid out on.
void sizeAboutCentre(QLabel *label)
{
    const int centre = label->geometry().center().x();
    label->adjustSize();
    label->move(centre - label->width() / 2, label->y());
}

} // namespace

FrmAbout::FrmAbout(QWidget *parent) : QDialog(parent)
{
    m_ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    connect(m_ui.cmdOK, &QPushButton::clicked, this, &FrmAbout::close);

    // The load: the sign in front of the notice, the title as the caption,
    // the version from the program's own version number.
    m_ui.Label3->setText(QStringLiteral("\u00a9 ") + m_ui.Label3->text());
    setWindowTitle(kApplicationTitle);
    m_ui.lblVersion->setText(tr("Version %1.%2").arg(kVersionMajor).arg(kVersionMinor));
    // A screen reader reads a dialog's lines of three words or more as it
    // opens: the version line is read with the program's name.
    m_ui.lblVersion->setAccessibleName(
        tr("%1 version %2.%3", "read by a screen reader").arg(kApplicationTitle).arg(kVersionMajor).arg(kVersionMinor));
    for (QLabel *label : {m_ui.lblTitle, m_ui.lblVersion, m_ui.lblDisclaimer})
        sizeAboutCentre(label);
}

} // namespace zarnith
