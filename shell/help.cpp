#include "help.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace zarnith {

QString helpPath()
{
    return QDir::currentPath() + QDir::separator() + QStringLiteral("Zarnith.chm");
}

QUrl helpUrl(const QString &path)
{
    return QUrl::fromLocalFile(QDir::cleanPath(path));
}

void DesktopHelpViewer::open(const QString &path)
{
    if (!QFileInfo::exists(path))
        return;
    QDesktopServices::openUrl(helpUrl(path));
}

} // namespace zarnith
