#pragma once

// The engine's three result fields as the tests read them, with the order
// in which the engine wrote them.

#include "module1.h"

#include <QStringList>

namespace zarnith::test {

class ResultFields : public ResultDisplay {
public:
    QString whole, numerator, denominator;
    QStringList writes; // "N:1", "D:4", "W:1", in the order written

    void showNumerator(const QString &text) override
    {
        numerator = text;
        writes << QStringLiteral("N:") + text;
    }
    void showDenominator(const QString &text) override
    {
        denominator = text;
        writes << QStringLiteral("D:") + text;
    }
    void showWhole(const QString &text) override
    {
        whole = text;
        writes << QStringLiteral("W:") + text;
    }
};

} // namespace zarnith::test
