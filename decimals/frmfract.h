#pragma once

#include "frmfract_ui.h"
#include "variant.h"

#include <QMainWindow>

namespace zarnith {

class Module1;

// The Decimals window: converts a mixed number to a decimal and back,
// reduces a typed fraction, and shows the nearest sixty-fourth. Its working
// values keep what the last command left in them until the next command,
// Clear, or the end of the program.
class FrmFract : public QMainWindow {
    Q_OBJECT
public:
    // Loads the window: working values 0, the engine's result denominator
    // 0, and 0 in the whole-number, numerator and denominator boxes.
    explicit FrmFract(Module1 &engine, QWidget *parent = nullptr);

    const FrmFractUi &ui() const { return m_ui; }

    // The working values. Numerators and denominators are held at 64-bit
    // precision, so that 100.01 converts to 100 1/100 and 16777217 stays
    // itself; values beyond the 32-bit float range are still refused.
    Variant varWholeNum;
    double sngNumerator = 0;
    double sngDenominator = 0;
    double sngWholeParts = 0;
    double dblDecimal = 0;
    double sngWorkNumerator = 0;
    double sngWorkDenominator = 0;
    QString strApprox;

signals:
    void fractionsRequested();
    void exitRequested();
    void aboutRequested();
    void webAddressClicked();
    void contentsRequested();
    // The window is closing (its close box): the program ends.
    void unloading();

public slots:
    void fractionToDecimal();
    void decimalToFraction();
    void reduce();
    void clear();
    void copyAnswer();
    void copyNearestSixtyFourth();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void resetWorkingValues();
    void showWorkingValues();
    void Result1();
    void decFract(const Variant &value);
    void showApprox();
    void reduceFract();
    QString spokenFraction() const;
    void announceConversion(const QString &result);
    void tellAnswer(const QString &answer, const QString &spoken = {});

    FrmFractUi m_ui;
};

} // namespace zarnith
