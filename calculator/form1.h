#pragma once

#include "form1_ui.h"
#include "module1.h"

#include <QFont>
#include <QMainWindow>

namespace zarnith {

// The calculator window: two fractions, the operator sign, the result as a
// mixed number, and the commands behind its buttons and menus.
class Form1 : public QMainWindow, private ResultDisplay {
    Q_OBJECT
public:
    explicit Form1(Module1 &engine, QWidget *parent = nullptr);

signals:
    // The Decimal command (button, menu entry, shortcut).
    void decimalRequested();
    void aboutRequested();
    void contentsRequested();
    // The window is closing (Exit, the close box): the program ends.
    void unloading();

public slots:
    void clear();
    void copyAnswer();
    void exitProgram();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Operation;
    static const Operation kOperations[4];

    void runOperation(const Operation &operation);
    void showOperator(const Operation &operation);
    void placeResultBar();

    // The engine's three result fields.
    void showNumerator(const QString &text) override;
    void showDenominator(const QString &text) override;
    void showWhole(const QString &text) override;
    void showResultLabel(QLabel *label, const QString &text);

    Form1Ui m_ui;
    QFont m_resultFont;
    Module1 &m_engine;
};

} // namespace zarnith
