#pragma once

#include <QString>
#include <QUrl>

namespace zarnith {

// Opens the help file without waiting for the viewer.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void open(const QString &path) = 0;
};

// The desktop's handler for the file. A missing file shows nothing.
class DesktopHelpViewer : public HelpViewer {
public:
    void open(const QString &path) override;
};

// The help file is looked for in the current directory each time: its text,
// a separator, and "Zarnith.chm". In the root directory that gives two
// separators in a row, which is left as it is.
QString helpPath();

// The file URL for a help path. A path that starts with two separators
// names a file in the root directory, not a network host.
QUrl helpUrl(const QString &path);

} // namespace zarnith
