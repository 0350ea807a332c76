#pragma once

// The About box's definition: black, fixed, its controls in twips with
// their fonts and colours. What it does is in frmabout.cpp.

class QDialog;
class QLabel;
class QPushButton;

namespace zarnith {

class LineWidget;

struct FrmAboutUi {
    QPushButton *cmdOK = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *lblTitle = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *lblDisclaimer = nullptr;
    LineWidget *Line2 = nullptr;
    LineWidget *Line1 = nullptr;
    QLabel *lblVersion = nullptr;

    void setupUi(QDialog *dialog);
};

} // namespace zarnith
