#pragma once

#include "helpfile.h"
#include "helpwindow_ui.h"

#include <QMainWindow>
#include <QTextBrowser>

#include <memory>

class QTreeWidgetItem;

namespace zarnith {

// A page of the help file. Its pages, pictures and style sheets are read
// from the file: their addresses are paths in it under the "chm" scheme.
class HelpPage : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;

    void setFile(const HelpFile *file) { m_file = file; }
    QVariant loadResource(int type, const QUrl &name) override;

private:
    const HelpFile *m_file = nullptr;
};

// The address of a page of the help file, relative to its root.
QUrl helpTopicUrl(const QString &local);

// The viewer of a compiled help file: a window of its own, captioned with
// the file's title, with the table of contents beside the page. Links are
// followed within the file; Back and Forward go through the pages seen.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    HelpWindow();

    // Shows `file`, read from `path`, at its default topic instead of the
    // one shown so far.
    void setFile(std::unique_ptr<HelpFile> file, const QString &path);
    const QString &path() const { return m_path; }

    const HelpWindowUi &ui() const { return m_ui; }

public slots:
    void showDefaultTopic();

private slots:
    void showChosenTopic(QTreeWidgetItem *item);
    void followLink(const QUrl &url);
    void markTopicShown(const QUrl &url);

private:
    HelpWindowUi m_ui;
    std::unique_ptr<HelpFile> m_file;
    QString m_path;
};

} // namespace zarnith
