#include "aboutbox.h"

#include "frmabout.h"
#include "platform.h"
#include "windowplacement.h"

namespace zarnith {

namespace {

// Already open: on top and active, as it stands.
void raiseBox(QWidget *window)
{
    window->raise();
    window->activateWindow();
}

} // namespace

// The box has no parent window: it goes with the program.
AboutBox::~AboutBox()
{
    delete m_box;
}

FrmAbout *AboutBox::load()
{
    auto *box = new FrmAbout;
    placeAboutBox(box);
    adaptToWayland(box);
    m_box = box;
    return box;
}

void AboutBox::showModeless()
{
    if (m_box) {
        raiseBox(m_box);
        return;
    }
    load()->show();
}

void AboutBox::showModal()
{
    if (m_box) {
        raiseBox(m_box);
        return;
    }
    load()->exec();
}

void AboutBox::close()
{
    if (m_box)
        m_box->close();
}

} // namespace zarnith
