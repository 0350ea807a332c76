#include "help.h"

#include "formkit.h"
#include "helpwindow.h"
#include "windowplacement.h"

#include <QDir>

namespace zarnith {

QString helpPath()
{
    return QDir::currentPath() + QDir::separator() + QStringLiteral("Zarnith.chm");
}

CompiledHelpViewer::CompiledHelpViewer() = default;
CompiledHelpViewer::~CompiledHelpViewer() = default;

void CompiledHelpViewer::open(const QString &path, QWidget *from)
{
    // The file is read afresh when the help path has changed since.
    if (!m_window || m_window->path() != path) {
        auto file = std::make_unique<HelpFile>();
        if (!file->open(path)) {
            showMessage(from, HelpWindow::tr("Cannot open the file: %1").arg(path));
            return;
        }
        if (!m_window)
            m_window = std::make_unique<HelpWindow>();
        m_window->setFile(std::move(file), path);
    } else {
        m_window->showDefaultTopic();
    }
    if (!m_window->isVisible() && from)
        placeOver(m_window.get(), from);
    bringForward(m_window.get());
    // The open topic named as the viewer comes up, also where a screen
    // reader does not read the page that takes the focus.
    m_window->announceTitle();
}

void CompiledHelpViewer::close()
{
    if (m_window)
        m_window->close();
}

} // namespace zarnith
