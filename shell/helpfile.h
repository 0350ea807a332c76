#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

struct chmFile;

namespace zarnith {

// Bounds that no real help file comes near and that keep a damaged or
// hostile one from freezing the program or taking its memory. Zarnith's own
// file holds pages of a few KiB, six topics two deep; the largest help files
// known hold some thousand topics, five or six deep, and pictures of a few
// hundred KiB.
struct HelpBounds {
    // A page or style sheet: larger ones took QTextBrowser's layout seconds
    // (60 MB froze it for a minute).
    static constexpr qsizetype kLargestPage = 512 * 1024;
    // A picture or the contents file.
    static constexpr qsizetype kLargestObject = 2 * 1024 * 1024;
    // A picture's width times height (16 MiB drawn): a small file can
    // claim a very large picture.
    static constexpr qint64 kMostPixels = 2048 * 2048;
    // How deep the contents nest (100,000 deep overflowed the stack).
    static constexpr int kDeepestContents = 32;
    // Entries in the contents (1,000,000 took 45 s and 560 MB).
    static constexpr int kMostContentsEntries = 5000;
    // Milliseconds spent reading, once for opening the file (its records,
    // its contents and its first page) and once for each page shown with
    // its pictures and style sheets; what is asked for after that is not
    // read.
    static constexpr int kReadMilliseconds = 500;
};

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
// and its table of contents. Nothing but the one file is opened, and only
// a regular file: a pipe, device or folder of the name is refused.
class HelpFile {
public:
    HelpFile() = default;
    ~HelpFile();
    HelpFile(const HelpFile &) = delete;
    HelpFile &operator=(const HelpFile &) = delete;

    // False when the file is missing, unreadable, not a regular file, not
    // a compiled help file, when its contents pass the bounds or its first
    // page cannot be read.
    bool open(const QString &path);

    // Whether the file has an object at `name`.
    bool holds(const QString &name) const;
    // Starts the read time of one page with what it shows.
    void startReading();
    // The object at `name` ("/index.html"), empty when the file has none,
    // when it is larger than `largest` or the read time is spent.
    QByteArray read(const QString &name, qsizetype largest = HelpBounds::kLargestObject);

    QString title() const { return m_system.value(kTitle); }
    // The page shown first, "/index.html" when the file names none.
    QString defaultTopic() const;
    const QList<ContentsEntry> &contents() const { return m_contents; }

private:
    // Codes of the system record's entries.
    enum Code { kContentsFile = 0, kDefaultTopic = 2, kTitle = 3 };
    void readSystemRecord();

    chmFile *m_file = nullptr;
    QMap<int, QString> m_system;
    QList<ContentsEntry> m_contents;
    qint64 m_readNanoseconds = 0; // left of the read time
};

// The entries of a sitemap contents file (.hhc) in their order; none when
// it nests deeper or holds more entries than the bounds allow, or when
// reading it takes past `deadline`.
std::optional<QList<ContentsEntry>> parseContents(const QByteArray &sitemap,
                                                  QDeadlineTimer deadline = QDeadlineTimer::Forever);

} // namespace zarnith
