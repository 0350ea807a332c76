#include "helpwindow.h"

#include "formkit.h"
#include "platform.h"
#include "screenreader.h"
#include "titlebar.h"

#include <QAction>
#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace zarnith {

namespace {

const QString kScheme = QStringLiteral("chm");
constexpr int kTopicRole = Qt::UserRole;

// Links that go to the desktop's programs when clicked.
const QStringList kDesktopSchemes = {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("mailto")};
// Picture formats a help page shows; others (SVG among them) are not read.
const QList<QByteArray> kPictureFormats = {"png", "jpeg", "gif", "bmp"};

// The same page, whatever anchor it is shown at.
bool samePage(const QUrl &a, const QUrl &b)
{
    return a.adjusted(QUrl::RemoveFragment) == b.adjusted(QUrl::RemoveFragment);
}

// A picture of the file, within the bounds; in place of one that is not
// there or not shown, a blank pixel.
QImage picture(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    QImage image;
    if (kPictureFormats.contains(reader.format()) && size.isValid()
        && qint64(size.width()) * size.height() <= HelpBounds::kMostPixels)
        image = reader.read();
    if (image.isNull()) {
        image = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
    }
    return image;
}

} // namespace

// Never empty-handed: for a resource given no value, QTextDocument and its
// picture handler would read a local file of that name themselves.
QVariant HelpPage::loadResource(int type, const QUrl &name)
{
    const bool inFile = m_file && name.scheme() == kScheme;
    const QString path = name.path(QUrl::FullyDecoded);
    if (type == QTextDocument::ImageResource)
        return picture(inFile ? m_file->read(path) : QByteArray());
    if (type == QTextDocument::HtmlResource && samePage(name, m_checked))
        return m_checkedPage;
    return inFile ? m_file->read(path, HelpBounds::kLargestPage) : QByteArray();
}

// A page is read before QTextBrowser shows it, so that one the file lacks,
// or holds beyond the bounds, leaves the page shown as it was.
void HelpPage::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    if (name.isEmpty() || samePage(name, source())) {
        QTextBrowser::doSetSource(name, type);
        return;
    }
    if (m_file)
        m_file->startReading();
    const QByteArray page = m_file && name.scheme() == kScheme
        ? m_file->read(name.path(QUrl::FullyDecoded), HelpBounds::kLargestPage)
        : QByteArray();
    if (page.isEmpty()) {
        emit pageRefused(name);
        return;
    }
    m_checked = name;
    m_checkedPage = page;
    QTextBrowser::doSetSource(name, type);
    m_checked.clear();
    m_checkedPage.clear();
}

// Tab and Shift+Tab select the next or previous link, then leave the page.
bool HelpPage::focusNextPrevChild(bool next)
{
    const bool moved = QTextBrowser::focusNextPrevChild(next);
    if (moved && hasFocus() && textCursor().hasSelection())
        emit linkReached(textCursor().selectedText());
    return moved;
}

QUrl helpTopicUrl(const QString &local)
{
    const QUrl address(local);
    if (!address.scheme().isEmpty() && address.scheme() != kScheme)
        return {};
    QUrl root;
    root.setScheme(kScheme);
    root.setPath(QStringLiteral("/"));
    return root.resolved(address);
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
    connect(m_ui.page, &HelpPage::pageRefused, this, &HelpWindow::refusePage);
    connect(m_ui.actBack, &QAction::triggered, this, &HelpWindow::announceTitle);
    connect(m_ui.actForward, &QAction::triggered, this, &HelpWindow::announceTitle);
    connect(m_ui.actClose, &QAction::triggered, this, &QWidget::close);
    connect(m_ui.page, &HelpPage::linkReached, this, &HelpWindow::announceLink);
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
        auto *item = parents.isEmpty() ? new QTreeWidgetItem(m_ui.contents) : new QTreeWidgetItem(parents.last());
        item->setText(0, entry.name);
        if (!entry.local.isEmpty())
            item->setData(0, kTopicRole, helpTopicUrl(entry.local));
        parents << item;
    }
    // Only topics with others under them open: a screen reader reads a
    // topic without children as expanded when it is marked so.
    for (QTreeWidgetItemIterator it(m_ui.contents, QTreeWidgetItemIterator::HasChildren); *it; ++it)
        (*it)->setExpanded(true);
    // Read afresh: the same address may name a page of the file shown before.
    m_ui.page->setSource(helpTopicUrl(m_file->defaultTopic()));
    m_ui.page->reload();
    m_ui.page->clearHistory();
    // A screen reader reads the page, its heading first, as the viewer comes up.
    m_ui.page->setFocus();
}

void HelpWindow::showDefaultTopic()
{
    if (m_file)
        m_ui.page->setSource(helpTopicUrl(m_file->defaultTopic()));
    // At the top again: Tab goes to its first link.
    m_ui.page->moveCursor(QTextCursor::Start);
    m_ui.page->setFocus();
}

void HelpWindow::showChosenTopic(QTreeWidgetItem *item)
{
    const QUrl topic = item ? item->data(0, kTopicRole).toUrl() : QUrl();
    if (topic.isValid() && topic != m_ui.page->source())
        m_ui.page->setSource(topic);
}

// A link within the file is followed here; a web or mail link opens in the
// desktop's program for it; any other goes nowhere.
void HelpWindow::followLink(const QUrl &url)
{
    if (url.scheme() == kScheme) {
        const QUrl before = m_ui.page->source();
        m_ui.page->setSource(url);
        if (!samePage(m_ui.page->source(), before))
            announceTitle();
    } else if (kDesktopSchemes.contains(url.scheme().toLower())) {
        openOnDesktop(url);
    }
}

void HelpWindow::refusePage(const QUrl &url)
{
    showMessage(this, tr("Cannot open the page: %1").arg(url.path(QUrl::FullyDecoded)));
    markTopicShown(m_ui.page->source()); // the contents back at the page shown
}

void HelpWindow::announceLink(const QString &text)
{
    announce(this, tr("link %1").arg(text));
}

void HelpWindow::announceTitle()
{
    const QString title = m_ui.page->documentTitle();
    announce(this, title.isEmpty() ? m_ui.page->source().fileName() : title);
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
