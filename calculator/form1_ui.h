#pragma once

// The calculator window's definition: its controls with their positions in
// twips, fonts, pictures and tab order, and its menus. What they do is in
// form1.cpp.

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
class PictureLabel;

struct Form1Ui {
    QGroupBox *Frame2 = nullptr;
    QGroupBox *Frame1 = nullptr;
    QPushButton *cmdDecimal = nullptr;
    QPushButton *cmdClear = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdSubtract = nullptr;
    QPushButton *cmdMultiply = nullptr;
    QPushButton *cmdDivide = nullptr;
    BoxEdit *txtWholeNum = nullptr;
    BoxEdit *txtD2 = nullptr;
    BoxEdit *txtN2 = nullptr;
    BoxEdit *txtD1 = nullptr;
    BoxEdit *txtN1 = nullptr;
    QLabel *txtD3 = nullptr;
    QLabel *txtN3 = nullptr;
    LineWidget *Line1 = nullptr;
    LineWidget *Line3 = nullptr;
    LineWidget *Line2 = nullptr;
    PictureLabel *imgDiv = nullptr;
    PictureLabel *imgMulti = nullptr;
    PictureLabel *imgNeg = nullptr;
    PictureLabel *imgPlus = nullptr;
    PictureLabel *Image1 = nullptr;
    PictureLabel *imgEquals = nullptr;
    // The result whole, reached with Tab after the buttons.
    AnswerLabel *lblAnswer = nullptr;

    QMenu *mnuFile = nullptr;
    QAction *mnuDecimal = nullptr;
    QAction *mnuExit = nullptr;
    QMenu *mnuFunction = nullptr;
    QAction *mnuAdd = nullptr;
    QAction *mnuDivide = nullptr;
    QAction *mnuMultiply = nullptr;
    QAction *mnuSubtract = nullptr;
    QMenu *mnuHelp = nullptr;
    QAction *mnuContents = nullptr;
    QAction *mnuAbout = nullptr;

    // Esc anywhere in the window: the cancel key, which presses Clear.
    QAction *cancelKey = nullptr;
    // Ctrl+C, and Copy on the result fields: the answer (or the selection).
    QAction *copyKey = nullptr;

    void setupUi(QMainWindow *window);
};

} // namespace zarnith
