#include "helpfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocumentFragment>

#include <chm_lib.h>

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

bool HelpFile::open(const QString &path)
{
    m_file = chm_open(QFile::encodeName(path).constData());
    if (!m_file)
        return false;
    readSystemRecord();
    return true;
}

QByteArray HelpFile::read(const QString &name) const
{
    chmUnitInfo unit;
    const QByteArray encoded = rooted(name).toUtf8();
    if (!m_file || chm_resolve_object(m_file, encoded.constData(), &unit) != CHM_RESOLVE_SUCCESS)
        return {};
    // A damaged file may claim any length; no page or picture comes near this.
    constexpr LONGUINT64 kLargest = 64 * 1024 * 1024;
    if (unit.length > kLargest)
        return {};
    QByteArray bytes(static_cast<qsizetype>(unit.length), Qt::Uninitialized);
    const LONGINT64 got = chm_retrieve_object(m_file, &unit, reinterpret_cast<unsigned char *>(bytes.data()), 0,
                                              static_cast<LONGINT64>(unit.length));
    bytes.truncate(got > 0 ? static_cast<qsizetype>(got) : 0);
    return bytes;
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

QList<ContentsEntry> HelpFile::contents() const
{
    const QString name = m_system.value(kContentsFile);
    return name.isEmpty() ? QList<ContentsEntry>() : parseContents(read(name));
}

// A sitemap nests lists (<ul>) of objects, each with a Name and a Local
// parameter. Only those tags matter; the rest of the markup is skipped.
QList<ContentsEntry> parseContents(const QByteArray &sitemap)
{
    static const QRegularExpression tag(
        QStringLiteral(R"(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression attribute(QStringLiteral(R"re((\w+)\s*=\s*"([^"]*)")re"));
    const QString text = QStringDecoder::decoderForHtml(sitemap).decode(sitemap);

    QList<ContentsEntry> entries;
    ContentsEntry entry;
    int depth = -1;
    for (const QRegularExpressionMatch &match : tag.globalMatch(text)) {
        const bool closing = !match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        if (name == u"ul") {
            depth += closing ? -1 : 1;
        } else if (name == u"object") {
            if (closing && !entry.name.isEmpty())
                entries << entry;
            entry = ContentsEntry{qMax(depth, 0), {}, {}};
        } else {
            QString key, value;
            for (const QRegularExpressionMatch &a : attribute.globalMatch(match.captured(3))) {
                const QString text = QTextDocumentFragment::fromHtml(a.captured(2)).toPlainText();
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
