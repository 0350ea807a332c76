#pragma once

// Case tables one case a line, and what a rule of the engine gives.
#include "result.h"
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTest>

namespace zarnith::test {

// In a _data function: a row "line" per line of `table` that is not blank, once per prefix.
inline void addCases(const char *table, const QStringList &prefixes = {QString()})
{
    QTest::addColumn<QString>("line");
    for (const QString &prefix : prefixes)
        for (const QString &line : QString::fromUtf8(table).split(u'\n'))
            if (!line.trimmed().isEmpty())
                QTest::newRow(qPrintable(prefix + line.trimmed())) << prefix + line.trimmed();
}

// A case split at "|" into at least `count` trimmed columns.
inline QStringList columns(const QString &line, int count)
{
    QStringList parts = line.split(u'|').replaceInStrings(QRegularExpression("^\\s+|\\s+$"), "");
    parts.resize(qMax(parts.size(), qsizetype(count)));
    return parts;
}

// A result as a table writes it: its value through `text`, or its error.
template <class T, class Text>
QString outcome(const Result<T> &result, Text text)
{
    const char *const errors[] = {"mismatch", "division by zero", "overflow"};
    return result ? text(*result) : QString::fromLatin1(errors[int(result.error())]);
}

} // namespace zarnith::test
