#include "form1_ui.h"

#include "boxedit.h"
#include "formkit.h"
#include "linewidget.h"
#include "pictures.h"
#include "placement.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace zarnith {

namespace {

constexpr int kClientWidth = 4628;
constexpr int kClientHeight = 2743;

struct Rect {
    int left, top, width, height;
};

QGroupBox *frame(QWidget *parent, const char *name, Rect r)
{
    auto *box = new QGroupBox(parent);
    box->setObjectName(name);
    setTwipsGeometry(box, r.left, r.top, r.width, r.height);
    return box;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, Rect r)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    setTwipsGeometry(b, r.left, r.top, r.width, r.height);
    b->setCursor(handPointer());
    b->setAutoDefault(false);
    return b;
}

QPushButton *pictureButton(QWidget *parent, const char *name, Picture picture, Rect r)
{
    QPushButton *b = button(parent, name, QString(), r);
    b->setIcon(pictureIcon(picture));
    b->setIconSize(QSize(32, 32));
    return b;
}

BoxEdit *box(QWidget *parent, const char *name, Rect r, double pointSize, int limit)
{
    auto *edit = new BoxEdit(parent);
    edit->setObjectName(name);
    setTwipsGeometry(edit, r.left, r.top, r.width, r.height);
    edit->setDesignFont(dialogFont(pointSize, true));
    edit->setAlignment(Qt::AlignCenter);
    edit->setInputLimit(limit);
    return edit;
}

// A result label that sizes itself to its caption, its left edge fixed.
QLabel *resultLabel(QWidget *parent, const char *name, Rect r)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    setTwipsGeometry(label, r.left, r.top, r.width, r.height);
    label->setFont(dialogFont(8.83, true));
    return label;
}

// A picture control takes the size of its 32-pixel picture.
QLabel *picture(QWidget *parent, const char *name, int left, int top, Picture p, bool shown)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->move(twipsToPixels(left), twipsToPixels(top));
    label->setPixmap(picturePixmap(p));
    label->adjustSize();
    label->setVisible(shown);
    return label;
}

LineWidget *line(QWidget *parent, const char *name, int x1, int y, int x2)
{
    auto *l = new LineWidget(parent, x1, y, x2);
    l->setObjectName(name);
    return l;
}

QAction *entry(QMenu *menu, const char *name, const QString &caption,
               const QKeySequence &shortcut = {})
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    return action;
}

QMenu *menu(QMainWindow *window, const char *name, const QString &caption)
{
    QMenu *m = window->menuBar()->addMenu(caption);
    m->setObjectName(name);
    return m;
}

} // namespace

void Form1Ui::setupUi(QMainWindow *window)
{
    window->setObjectName("Form1");
    window->setWindowTitle(kApplicationTitle);
    window->setWindowIcon(programIcon());
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window->setFont(dialogFont(8.0));

    auto *client = new QWidget(window);
    client->setObjectName("client");
    client->setFixedSize(twipsToPixels(kClientWidth), twipsToPixels(kClientHeight));
    window->setCentralWidget(client);

    // In the order in which the window defines them.
    Frame2 = frame(client, "Frame2", {30, 840, 4575, 90});
    Frame1 = frame(client, "Frame1", {660, 960, 3225, 1545});
    cmdDecimal = button(Frame1, "cmdDecimal", "&Decimal", {1890, 870, 1155, 585});
    cmdClear = button(Frame1, "cmdClear", "&Clear", {1890, 210, 1155, 585});
    for (QPushButton *b : {cmdDecimal, cmdClear})
        b->setFont(dialogFont(12.23, true));
    cmdAdd = pictureButton(Frame1, "cmdAdd", Picture::Plus, {180, 210, 585, 585});
    cmdSubtract = pictureButton(Frame1, "cmdSubtract", Picture::Minus, {960, 210, 585, 585});
    cmdMultiply = pictureButton(Frame1, "cmdMultiply", Picture::Times, {960, 870, 585, 585});
    cmdDivide = pictureButton(Frame1, "cmdDivide", Picture::Divide, {180, 870, 585, 585});

    txtWholeNum = box(client, "txtWholeNum", {2880, 240, 855, 555}, 21.74, 3);
    txtD2 = box(client, "txtD2", {1500, 570, 705, 285}, 8.83, 4);
    txtN2 = box(client, "txtN2", {1500, 75, 705, 300}, 8.83, 3);
    txtD1 = box(client, "txtD1", {90, 570, 705, 285}, 8.83, 4);
    txtN1 = box(client, "txtN1", {90, 75, 705, 300}, 8.83, 3);
    // The whole number blends with the window; a click still edits it.
    QPalette blend = txtWholeNum->palette();
    blend.setColor(QPalette::Base, blend.color(QPalette::Button));
    blend.setColor(QPalette::Text, blend.color(QPalette::ButtonText));
    txtWholeNum->setPalette(blend);
    txtWholeNum->setFocusPolicy(Qt::ClickFocus);

    txtD3 = resultLabel(client, "txtD3", {3900, 600, 75, 240});
    txtN3 = resultLabel(client, "txtN3", {3900, 150, 75, 240});
    Line1 = line(client, "Line1", 3870, 510, 3900);
    Line3 = line(client, "Line3", 90, 480, 810);
    Line2 = line(client, "Line2", 1500, 480, 2220);

    imgDiv = picture(client, "imgDiv", 1144, 1495, Picture::Divide, false);
    imgMulti = picture(client, "imgMulti", 1144, 1599, Picture::Times, false);
    imgNeg = picture(client, "imgNeg", 1118, 1898, Picture::Minus, false);
    imgPlus = picture(client, "imgPlus", 1144, 1560, Picture::Plus, false);
    Image1 = new QLabel(client);
    Image1->setObjectName("Image1");
    setTwipsGeometry(Image1, 930, 270, 480, 480);
    imgEquals = picture(client, "imgEquals", 2340, 273, Picture::Equals, true);

    QWidget::setTabOrder(txtN1, txtD1);
    QWidget::setTabOrder(txtD1, txtN2);
    QWidget::setTabOrder(txtN2, txtD2);
    QWidget::setTabOrder(txtD2, cmdAdd);
    QWidget::setTabOrder(cmdAdd, cmdSubtract);
    QWidget::setTabOrder(cmdSubtract, cmdDivide);
    QWidget::setTabOrder(cmdDivide, cmdMultiply);
    QWidget::setTabOrder(cmdMultiply, cmdClear);
    QWidget::setTabOrder(cmdClear, cmdDecimal);
    QWidget::setTabOrder(cmdDecimal, txtWholeNum);
    txtN1->setFocus();

    mnuFile = menu(window, "mnuFile", "&File");
    mnuDecimal = entry(mnuFile, "mnuDecimal", "&Decimal", QKeySequence(Qt::CTRL | Qt::Key_F2));
    mnuExit = entry(mnuFile, "mnuExit", "&Exit");
    mnuFunction = menu(window, "mnuFunction", "&Functions");
    mnuAdd = entry(mnuFunction, "mnuAdd", "&Add", QKeySequence(Qt::CTRL | Qt::Key_A));
    mnuDivide = entry(mnuFunction, "mnuDivide", "&Divide", QKeySequence(Qt::CTRL | Qt::Key_D));
    mnuMultiply = entry(mnuFunction, "mnuMultiply", "&Multiply", QKeySequence(Qt::CTRL | Qt::Key_M));
    mnuSubtract = entry(mnuFunction, "mnuSubtract", "&Subtract", QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuHelp = menu(window, "mnuHelp", "&Help");
    mnuContents = entry(mnuHelp, "mnuContents", "&Contents", QKeySequence(Qt::Key_F1));
    mnuAbout = entry(mnuHelp, "mnuAbout", "&About", QKeySequence(Qt::CTRL | Qt::Key_H));

    cancelKey = new QAction(window);
    cancelKey->setShortcut(QKeySequence(Qt::Key_Escape));
    window->addAction(cancelKey);

    // Fixed size: the client area plus the menu bar, no resizing.
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace zarnith
