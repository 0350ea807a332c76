#include "helpwindow_ui.h"

#include "helpwindow.h"
#include "pictures.h"
#include "screenreader.h"

#include <QAction>
#include <QHeaderView>
#include <QMainWindow>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

namespace zarnith {

void HelpWindowUi::setupUi(QMainWindow *window)
{
    window->setObjectName("HelpViewer");
    window->setWindowIcon(programIcon());
    // No menu offering to hide the tool bar.
    window->setContextMenuPolicy(Qt::NoContextMenu);
    // Sized by the text it shows, so that it grows with the font.
    const int em = window->fontMetrics().height();
    window->resize(52 * em, 36 * em);

    QToolBar *bar = window->addToolBar(HelpWindow::tr("Navigation"));
    bar->setObjectName("tbrNavigation");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    actBack = bar->addAction(window->style()->standardIcon(QStyle::SP_ArrowBack), HelpWindow::tr("&Back"));
    actBack->setObjectName("actBack");
    actBack->setShortcut(QKeySequence::Back);
    actForward = bar->addAction(window->style()->standardIcon(QStyle::SP_ArrowForward), HelpWindow::tr("&Forward"));
    actForward->setObjectName("actForward");
    actForward->setShortcut(QKeySequence::Forward);
    actClose = new QAction(HelpWindow::tr("Close"), window);
    actClose->setObjectName("actClose");
    actClose->setShortcut(Qt::Key_Escape);
    window->addAction(actClose);

    splitter = new QSplitter(window);
    splitter->setObjectName("splitter");
    splitter->setChildrenCollapsible(false);
    contents = new QTreeWidget(splitter);
    contents->setObjectName("tvwContents");
    contents->setAccessibleName(HelpWindow::tr("Contents"));
    contents->header()->hide();
    contents->setUniformRowHeights(true);
    page = new HelpPage(splitter);
    // Before anything asks the reader about it, so that it is a document from the start.
    exposeAsDocument(page);
    page->setObjectName("page");
    page->setAccessibleName(HelpWindow::tr("Help page"));
    page->setOpenLinks(false);
    // The caret moves with the arrow keys, so that a screen reader reads
    // the page line by line.
    page->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({16 * em, 36 * em});
    window->setCentralWidget(splitter);
}

} // namespace zarnith
