#pragma once

// The Decimals window's definition: its controls with their positions in
// twips, fonts and tab order, and its menus. What they do is in frmfract.cpp.

class QAction;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;

namespace zarnith {

class AnswerLabel;
class BoxEdit;
class LineWidget;

struct FrmFractUi {
    QGroupBox *Frame3 = nullptr;
    BoxEdit *txtDecimal = nullptr;
    QGroupBox *Frame2 = nullptr;
    BoxEdit *txtNumerator = nullptr;
    BoxEdit *txtDenominator = nullptr;
    BoxEdit *txtWholeNum = nullptr;
    LineWidget *Line1 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QPushButton *cmdResult1 = nullptr;
    QPushButton *cmdResult0 = nullptr;
    QPushButton *cmdReduce = nullptr;
    QPushButton *cmdClear = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label2 = nullptr;
    LineWidget *Line2[2] = {nullptr, nullptr};
    // The last conversion whole, reached with Tab after the buttons.
    AnswerLabel *lblAnswer = nullptr;

    QMenu *mnuFile = nullptr;
    QAction *mnuFractions = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuFunctions = nullptr;
    QAction *mnuReduce = nullptr;
    QAction *mnuFracToDec = nullptr;
    QAction *mnuDecToFrac = nullptr;
    QAction *mnuClear = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuContets = nullptr;
    QAction *mnuAbout = nullptr;

    // Ctrl+C: the answer (or the selection); Copy on the nearest
    // sixty-fourth: the text it shows.
    QAction *copyKey = nullptr;
    QAction *copyApprox = nullptr;

    void setupUi(QMainWindow *window);
};

} // namespace zarnith
