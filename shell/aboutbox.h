#pragma once

#include "frmabout.h"

#include <QPointer>

namespace zarnith {

// Shows the About box, at most one at a time, centred on the screen by its
// outer frame.
class AboutBox {
public:
    AboutBox() = default;
    ~AboutBox();
    AboutBox(const AboutBox &) = delete;
    AboutBox &operator=(const AboutBox &) = delete;

    // Not modal: returns at once. A box already open is brought forward.
    void showModeless();
    // Modal: returns when the box has closed; the other windows take no
    // input meanwhile. A box already open (not modal) is brought forward
    // instead, and this returns at once.
    void showModal();
    // Closes the box if it is open (the program is ending).
    void close();

    FrmAbout *box() const { return m_box; }

private:
    FrmAbout *load();

    QPointer<FrmAbout> m_box;
};

} // namespace zarnith
