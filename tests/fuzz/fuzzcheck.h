#pragma once

// What the fuzz targets share: a check that stops the run with the failing
// property, and the error kind of a piece of engine code.

#include "errors.h"

#include <QLocale>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace zarnith::fuzz {

inline void check(bool holds, const char *property, const QString &input = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "property failed: %s [%s]\n", property, qPrintable(input));
    std::abort();
}

enum class Outcome { Value, TypeMismatch, DivisionByZero, Overflow };

inline Outcome outcomeOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const EngineError &e) {
        switch (e.kind()) {
        case EngineError::Kind::TypeMismatch:
            return Outcome::TypeMismatch;
        case EngineError::Kind::DivisionByZero:
            return Outcome::DivisionByZero;
        case EngineError::Kind::Overflow:
            return Outcome::Overflow;
        }
    }
    return Outcome::Value;
}

// The locales every target runs in: the C locale and one with a decimal comma.
inline const QLocale kLocales[] = {QLocale::c(), QLocale(QLocale::German, QLocale::Germany)};

// Splits the input into `count` texts at newlines; missing ones are empty.
inline QStringList fields(const uint8_t *data, size_t size, int count)
{
    QStringList parts = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size))
                            .split(u'\n');
    while (parts.size() < count)
        parts << QString();
    return parts.mid(0, count);
}

} // namespace zarnith::fuzz
