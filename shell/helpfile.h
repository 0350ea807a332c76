#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

struct chmFile;

namespace zarnith {

// One entry of a help file's table of contents: its caption, the page it
// opens (relative to the file's root, perhaps with an anchor), and how deep
// it is nested (0 at the top).
struct ContentsEntry {
    int depth = 0;
    QString name;
    QString local;
};

// A compiled HTML help file, read with chmlib: its pages and pictures by
// path, what its system record says (title, default topic, contents file),
// and its table of contents.
class HelpFile {
public:
    HelpFile() = default;
    ~HelpFile();
    HelpFile(const HelpFile &) = delete;
    HelpFile &operator=(const HelpFile &) = delete;

    // False when the file is missing, unreadable or not a compiled help file.
    bool open(const QString &path);

    // The object at `name` ("/index.html"), empty when the file has none.
    QByteArray read(const QString &name) const;

    QString title() const { return m_system.value(kTitle); }
    // The page shown first, "/index.html" when the file names none.
    QString defaultTopic() const;
    QList<ContentsEntry> contents() const;

private:
    // Codes of the system record's entries.
    enum Code { kContentsFile = 0, kDefaultTopic = 2, kTitle = 3 };
    void readSystemRecord();

    chmFile *m_file = nullptr;
    QMap<int, QString> m_system;
};

// The entries of a sitemap contents file (.hhc) in their order.
QList<ContentsEntry> parseContents(const QByteArray &sitemap);

} // namespace zarnith
