#pragma once

#include "form1_ui.h"
#include "module1.h"
#include "workingwindow.h"

#include <QFont>

class QLabel;

namespace zarnith {

// The calculator window: two fractions, the operator sign, the result as a
// mixed number, and the commands behind its buttons and menus.
class Form1 : public WorkingWindow {
    Q_OBJECT
public:
    explicit Form1(Module1 &engine, QWidget *parent = nullptr);

public slots:
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Operation;
    static const Operation kOperations[4];

    void runOperation(const Operation &operation);
    Result<MixedNumber> calculate(const Operation &operation);
    void showOperator(const Operation &operation);
    void showResult(const QString &whole, const QString &numerator, const QString &denominator);
    void showResultLabel(QLabel *label, const QString &text);
    void placeResultBar();

    Form1Ui m_ui;
    QFont m_resultFont;
    Module1 &m_engine;
};

} // namespace zarnith
