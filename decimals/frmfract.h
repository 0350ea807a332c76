#pragma once

#include "conversions.h"
#include "frmfract_ui.h"
#include "workingwindow.h"

namespace zarnith {

class Module1;

// The Decimals window: converts a mixed number to a decimal and back,
// reduces a typed fraction, and shows the nearest sixty-fourth. It reads
// its boxes, hands the numbers to the engine's conversions with its working
// values, and shows what comes back.
class FrmFract : public WorkingWindow {
    Q_OBJECT
public:
    // Loads the window: working values 0, the engine's result denominator
    // 0, and 0 in the whole-number, numerator and denominator boxes.
    explicit FrmFract(Module1 &engine, QWidget *parent = nullptr);

    const FrmFractUi &ui() const { return m_ui; }
    // What the last command left.
    const WorkingValues &values() const { return m_values; }

public slots:
    void fractionToDecimal();
    void decimalToFraction();
    void reduce();
    void clear();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    static QString keepSmall();
    static QString numbersOnly();
    void showWorkingValues();
    void showApprox();
    void copyNearestSixtyFourth();
    QString spokenFraction() const;
    void announceConversion(const QString &result, const QWidget *place);
    void keepDecimalIfItBelongs();
    std::optional<QString> decimalOfFraction() const;

    FrmFractUi m_ui;
    WorkingValues m_values;
    // The decimal box holds what the last conversion wrote or converted,
    // not typed in since.
    bool m_decimalConverted = false;
};

} // namespace zarnith
