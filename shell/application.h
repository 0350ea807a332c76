#pragma once

#include "aboutbox.h"
#include "help.h"
#include "module1.h"

#include <QObject>

#include <memory>

namespace zarnith {

class Form1;
class FrmFract;
class WorkingWindow;

// The running program: the engine's result state, which lives for the
// whole run, the calculator window, loaded and placed at start, and the
// Decimals window, loaded the first time the user asks for it. The two
// windows stand side by side: Decimal and Fractions bring one or the other
// forward, and closing either, or Exit in either, ends the program. Both
// show the About box and open the help file through `help` (Zarnith's own
// viewer when none is given).
class Application : public QObject {
    Q_OBJECT
public:
    explicit Application(std::unique_ptr<HelpViewer> help = {});
    ~Application() override;

    Form1 &calculator() { return *m_calculator; }
    // Null until the first Decimal command.
    FrmFract *decimals() { return m_decimals.get(); }
    AboutBox &about() { return m_about; }

public slots:
    void showDecimals();
    void showCalculator();
    void endProgram();

private:
    // What both working windows ask of the program, wired once for each.
    void wire(WorkingWindow *window);

    std::unique_ptr<HelpViewer> m_help;
    AboutBox m_about;
    Module1 m_engine;
    std::unique_ptr<Form1> m_calculator;
    std::unique_ptr<FrmFract> m_decimals;
    bool m_ending = false;
};

} // namespace zarnith
