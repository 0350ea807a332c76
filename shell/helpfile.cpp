#include "helpfile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocumentFragment>

#include <chm_lib.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zarnith {

namespace {

// Paths inside the file start at its root.
QString rooted(const QString &name)
{
    return name.startsWith(u'/') ? name : u'/' + name;
}

// A little-endian 16-bit value at `at`.
int word(const QByteArray &bytes, qsizetype at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

} // namespace

HelpFile::~HelpFile()
{
    if (m_file)
        chm_close(m_file);
}

// The file is opened here, not by chmlib: without waiting (a pipe of the
// name would wait for a writer for ever), not inherited by programs the
// desktop starts, and only when it is a regular file.
bool HelpFile::open(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info;
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    m_file = chm_open_fd(fd); // it owns the descriptor now
    if (!m_file)
        return false;
    startReading();
    readSystemRecord();
    const QString contentsFile = m_system.value(kContentsFile);
    if (!contentsFile.isEmpty()) {
        const QByteArray sitemap = read(contentsFile);
        // One there but not read is beyond the bounds or damaged.
        std::optional<QList<ContentsEntry>> entries =
            parseContents(sitemap, QDeadlineTimer(HelpBounds::kReadMilliseconds));
        if (!entries || (sitemap.isEmpty() && holds(contentsFile)))
            return false;
        m_contents = *entries;
    }
    return !read(defaultTopic(), HelpBounds::kLargestPage).isEmpty();
}

bool HelpFile::holds(const QString &name) const
{
    chmUnitInfo unit;
    const QByteArray encoded = rooted(name).toUtf8();
    return m_file && encoded.size() <= CHM_MAX_PATHLEN
        && chm_resolve_object(m_file, encoded.constData(), &unit) == CHM_RESOLVE_SUCCESS;
}

void HelpFile::startReading()
{
    m_readNanoseconds = qint64(HelpBounds::kReadMilliseconds) * 1000 * 1000;
}

// Read a slice at a time, so that the read time is checked between slices.
QByteArray HelpFile::read(const QString &name, qsizetype largest)
{
    chmUnitInfo unit;
    const QByteArray encoded = rooted(name).toUtf8();
    if (!m_file || m_readNanoseconds <= 0 || encoded.size() > CHM_MAX_PATHLEN
        || chm_resolve_object(m_file, encoded.constData(), &unit) != CHM_RESOLVE_SUCCESS
        || unit.length > LONGUINT64(largest))
        return {};
    constexpr qsizetype kSlice = 64 * 1024;
    QElapsedTimer clock;
    clock.start();
    QByteArray bytes(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size() && clock.nsecsElapsed() < m_readNanoseconds) {
        const LONGINT64 slice =
            chm_retrieve_object(m_file, &unit, reinterpret_cast<unsigned char *>(bytes.data()) + got, LONGUINT64(got),
                                qMin(kSlice, bytes.size() - got));
        if (slice <= 0)
            break;
        got += static_cast<qsizetype>(slice);
    }
    m_readNanoseconds -= clock.nsecsElapsed();
    // An object cut short is not shown in part.
    return got == bytes.size() ? bytes : QByteArray();
}

// The system record: a 32-bit version, then entries of a 16-bit code, a
// 16-bit length and that many bytes; the texts end with a zero byte.
void HelpFile::readSystemRecord()
{
    const QByteArray record = read(QStringLiteral("/#SYSTEM"));
    for (qsizetype at = 4; at + 4 <= record.size();) {
        const int code = word(record, at);
        const qsizetype length = word(record, at + 2);
        at += 4;
        if (at + length > record.size())
            break;
        if (code == kContentsFile || code == kDefaultTopic || code == kTitle)
            m_system.insert(code, QString::fromUtf8(record.mid(at, length).split('\0').first()));
        at += length;
    }
}

QString HelpFile::defaultTopic() const
{
    const QString topic = m_system.value(kDefaultTopic);
    return rooted(topic.isEmpty() ? QStringLiteral("index.html") : topic);
}

// A sitemap nests lists (<ul>) of objects, each with a Name and a Local
// parameter. Only those tags matter; the rest of the markup is skipped.
std::optional<QList<ContentsEntry>> parseContents(const QByteArray &sitemap, QDeadlineTimer deadline)
{
    static const QRegularExpression tag(QStringLiteral(R"(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attribute(QStringLiteral(R"re((\w+)\s*=\s*"([^"]*)")re"));
    const QString text = QStringDecoder::decoderForHtml(sitemap).decode(sitemap);

    QList<ContentsEntry> entries;
    ContentsEntry entry;
    int depth = -1;
    for (const QRegularExpressionMatch &match : tag.globalMatch(text)) {
        if (deadline.hasExpired())
            return std::nullopt;
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        if (name == u"ul") {
            depth += closing ? -1 : 1;
            if (depth >= HelpBounds::kDeepestContents)
                return std::nullopt;
        } else if (name == u"object") {
            if (closing && !entry.name.isEmpty())
                entries << entry;
            if (entries.size() > HelpBounds::kMostContentsEntries)
                return std::nullopt;
            entry = ContentsEntry{qMax(depth, 0), {}, {}};
        } else {
            QString key, value;
            for (const QRegularExpressionMatch &a : attribute.globalMatch(match.captured(3))) {
                // Only a value with an entity in it costs a document.
                const QString text = a.captured(2).contains(u'&')
                    ? QTextDocumentFragment::fromHtml(a.captured(2)).toPlainText()
                    : a.captured(2);
                if (a.captured(1).compare(u"name", Qt::CaseInsensitive) == 0)
                    key = text.toLower();
                else if (a.captured(1).compare(u"value", Qt::CaseInsensitive) == 0)
                    value = text;
            }
            if (key == u"name")
                entry.name = value;
            else if (key == u"local")
                entry.local = value;
        }
    }
    return entries;
}

} // namespace zarnith
