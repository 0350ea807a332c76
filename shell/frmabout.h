#pragma once

#include "frmabout_ui.h"

#include <QDialog>

namespace zarnith {

// The About box: title, version, notice, the maker's web address. It is
// built afresh each time it is shown and destroyed when it closes (OK,
// Enter, Esc or its close box).
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget *parent = nullptr);

    const FrmAboutUi &ui() const { return m_ui; }

private:
    FrmAboutUi m_ui;
};

} // namespace zarnith
