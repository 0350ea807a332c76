#pragma once

// The help viewer's definition: Back and Forward above the table of
// contents and the page, side by side; Esc closes it. What it does is in
// helpwindow.cpp.

class QAction;
class QMainWindow;
class QSplitter;
class QTreeWidget;

namespace zarnith {

class HelpPage;

struct HelpWindowUi {
    QAction *actBack = nullptr;
    QAction *actForward = nullptr;
    QAction *actClose = nullptr;
    QSplitter *splitter = nullptr;
    QTreeWidget *contents = nullptr;
    HelpPage *page = nullptr;

    void setupUi(QMainWindow *window);
};

} // namespace zarnith
