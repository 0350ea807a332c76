#pragma once

#include "module1.h"

#include <memory>

namespace zarnith {

class Form1;

// The running program: the engine's result state, which lives for the
// whole run, and the calculator window, loaded and placed at start.
class Application {
public:
    Application();
    ~Application();

    Form1 &calculator() { return *m_calculator; }

private:
    Module1 m_engine;
    std::unique_ptr<Form1> m_calculator;
};

} // namespace zarnith
