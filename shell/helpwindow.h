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
// Nothing else is read, from the file system or anywhere: an address of
// any other scheme gives nothing, and so does a page, picture or style
// sheet the file lacks or holds beyond the bounds.
class HelpPage : public QTextBrowser {
    Q_OBJECT
public:
    using QTextBrowser::QTextBrowser;

    void setFile(HelpFile *file) { m_file = file; }
    QVariant loadResource(int type, const QUrl &name) override;

signals:
    // The page at `url` cannot be shown; the page shown stays.
    void pageRefused(const QUrl &url);
    // Tab or Shift+Tab selected the link showing `text`.
    void linkReached(const QString &text);

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;
    bool focusNextPrevChild(bool next) override;

private:
    HelpFile *m_file = nullptr;
    // The page read to check it, handed to QTextBrowser when it asks.
    QUrl m_checked;
    QByteArray m_checkedPage;
};

// The address of a page of the help file, relative to its root; invalid
// for an address outside the file (one with a scheme of its own).
QUrl helpTopicUrl(const QString &local);

// The viewer of a compiled help file: a window of its own, captioned with
// the file's title, with the table of contents beside the page. Links are
// followed within the file; web and mail links (http, https, mailto) open
// in the desktop's programs when clicked, others not at all. Back and
// Forward go through the pages seen; Esc closes the viewer.
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
    // Tells a screen reader the title of the page now shown.
    void announceTitle();

private slots:
    void showChosenTopic(QTreeWidgetItem *item);
    void followLink(const QUrl &url);
    void markTopicShown(const QUrl &url);
    void refusePage(const QUrl &url);
    // Tells a screen reader the link Tab reached.
    void announceLink(const QString &text);

private:
    HelpWindowUi m_ui;
    std::unique_ptr<HelpFile> m_file;
    QString m_path;
};

} // namespace zarnith
