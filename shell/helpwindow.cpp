#include "helpwindow.h"

#include "titlebar.h"

#include <QAction>
#include <QDesktopServices>
#include <QFileInfo>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace zarnith {

namespace {

const QString kScheme = QStringLiteral("chm");
constexpr int kTopicRole = Qt::UserRole;

// The same page, whatever anchor it is shown at.
bool samePage(const QUrl &a, const QUrl &b)
{
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

} // namespace

QVariant HelpPage::loadResource(int type, const QUrl &name)
{
    if (name.scheme() != kScheme)
        return QTextBrowser::loadResource(type, name);
    return m_file ? m_file->read(name.path(QUrl::FullyDecoded)) : QByteArray();
}

QUrl helpTopicUrl(const QString &local)
{
    QUrl root;
    root.setScheme(kScheme);
    root.setPath(QStringLiteral("/"));
    return root.resolved(QUrl(local));
}

HelpWindow::HelpWindow()
{
    m_ui.setupUi(this);
    // The program ends with its working windows, not with this one.
    setAttribute(Qt::WA_QuitOnClose, false);
    TitleBar::addTo(this);
    connect(m_ui.actBack, &QAction::triggered, m_ui.page, &QTextBrowser::backward);
    connect(m_ui.actForward, &QAction::triggered, m_ui.page, &QTextBrowser::forward);
    connect(m_ui.page, &QTextBrowser::backwardAvailable, m_ui.actBack, &QAction::setEnabled);
    connect(m_ui.page, &QTextBrowser::forwardAvailable, m_ui.actForward, &QAction::setEnabled);
    connect(m_ui.page, &QTextBrowser::sourceChanged, this, &HelpWindow::markTopicShown);
    connect(m_ui.contents, &QTreeWidget::currentItemChanged, this, &HelpWindow::showChosenTopic);
    connect(m_ui.page, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    m_ui.actBack->setEnabled(false);
    m_ui.actForward->setEnabled(false);
}

void HelpWindow::setFile(std::unique_ptr<HelpFile> file, const QString &path)
{
    m_file = std::move(file);
    m_path = path;
    setWindowTitle(m_file->title().isEmpty() ? QFileInfo(path).fileName() : m_file->title());
    m_ui.page->setFile(m_file.get());

    // The contents tree: each entry under the last one less deep than it.
    const QSignalBlocker quiet(m_ui.contents);
    m_ui.contents->clear();
    QList<QTreeWidgetItem *> parents;
    for (const ContentsEntry &entry : m_file->contents()) {
        parents.resize(qMin<qsizetype>(entry.depth, parents.size()));
        auto *item = parents.isEmpty() ? new QTreeWidgetItem(m_ui.contents)
                                       : new QTreeWidgetItem(parents.last());
        item->setText(0, entry.name);
        if (!entry.local.isEmpty())
            item->setData(0, kTopicRole, helpTopicUrl(entry.local));
        parents << item;
    }
    m_ui.contents->expandAll();
    // Read afresh: the same address may name a page of the file shown before.
    m_ui.page->setSource(helpTopicUrl(m_file->defaultTopic()));
    m_ui.page->reload();
    m_ui.page->clearHistory();
}

void HelpWindow::showDefaultTopic()
{
    if (m_file)
        m_ui.page->setSource(helpTopicUrl(m_file->defaultTopic()));
}

void HelpWindow::showChosenTopic(QTreeWidgetItem *item)
{
    const QUrl topic = item ? item->data(0, kTopicRole).toUrl() : QUrl();
    if (topic.isValid() && topic != m_ui.page->source())
        m_ui.page->setSource(topic);
}

// A link within the file is followed here; one to anywhere else opens in
// the desktop's program for it.
void HelpWindow::followLink(const QUrl &url)
{
    if (url.scheme() == kScheme)
        m_ui.page->setSource(url);
    else
        QDesktopServices::openUrl(url);
}

// Keeps the entry of the page shown current in the contents tree.
void HelpWindow::markTopicShown(const QUrl &url)
{
    for (QTreeWidgetItemIterator it(m_ui.contents); *it; ++it) {
        if (samePage((*it)->data(0, kTopicRole).toUrl(), url)) {
            const QSignalBlocker quiet(m_ui.contents);
            m_ui.contents->setCurrentItem(*it);
            return;
        }
    }
}

} // namespace zarnith
