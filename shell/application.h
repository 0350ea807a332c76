#pragma once

#include "aboutbox.h"
#include "help.h"
#include "module1.h"

#include <memory>

namespace zarnith {

class Form1;
class FrmFract;

// The running program: the engine's result state, which lives for the
// whole run, the calculator window, loaded and placed at start, and the
// Decimals window, loaded the first time the user asks for it. The two
// windows stand side by side: Decimal and Fractions bring one or the other
// forward, and closing either, or Exit in either, ends the program. Both
// show the About box and open the help file through `help` (Zarnith's own
// viewer when none is given).
class Application {
public:
    explicit Application(std::unique_ptr<HelpViewer> help = {});
    ~Application();

    Form1 &calculator() { return *m_calculator; }
    // Null until the first Decimal command.
    FrmFract *decimals() { return m_decimals.get(); }
    AboutBox &about() { return m_about; }

    void showDecimals();
    void showCalculator();
    void endProgram();
    void showHelp(QWidget *from);

private:
    std::unique_ptr<HelpViewer> m_help;
    AboutBox m_about;
    Module1 m_engine;
    std::unique_ptr<Form1> m_calculator;
    std::unique_ptr<FrmFract> m_decimals;
    bool m_ending = false;
};

} // namespace zarnith
