#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace zarnith {

class HelpWindow;

// Opens the help file without waiting for the viewer, asked from the
// window `from`.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void open(const QString &path, QWidget *from) = 0;
    // The program is ending: the viewer goes with it.
    virtual void close() {}
};

// Zarnith's own viewer of compiled HTML help, created the first time help
// is asked for and kept from then on: each opening brings the one viewer
// forward at the file's default topic, not modal. A viewer not on the
// screen opens centred over the window help was asked from. A file it
// cannot open, or that is damaged or passes the bounds of HelpBounds, is
// reported in a message box that names the path; nothing else happens.
class CompiledHelpViewer : public HelpViewer {
public:
    CompiledHelpViewer();
    ~CompiledHelpViewer() override;
    void open(const QString &path, QWidget *from) override;
    void close() override;

    // Null until a help file was first opened.
    HelpWindow *window() const { return m_window.get(); }

private:
    std::unique_ptr<HelpWindow> m_window;
};

// The help file is looked for in the current directory each time: its text,
// a separator, and "Zarnith.chm". In the root directory that gives two
// separators in a row, which is left as it is.
QString helpPath();

} // namespace zarnith
