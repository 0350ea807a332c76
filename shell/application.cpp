#include "application.h"

#include "form1.h"
#include "frmfract.h"
#include "windowplacement.h"

#include <QCoreApplication>

namespace zarnith {

namespace {

void bringForward(QWidget *window)
{
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

Application::Application() : m_calculator(std::make_unique<Form1>(m_engine))
{
    placeCalculatorWindow(m_calculator.get());
    QObject::connect(m_calculator.get(), &Form1::decimalRequested, [this] { showDecimals(); });
    QObject::connect(m_calculator.get(), &Form1::unloading, [this] { endProgram(); });
    m_calculator->show();
}

Application::~Application() = default;

// Loads the Decimals window on first use, placed above the calculator;
// afterwards only brings it forward, as the user left it.
void Application::showDecimals()
{
    if (!m_decimals) {
        m_decimals = std::make_unique<FrmFract>(m_engine);
        FrmFract *decimals = m_decimals.get();
        placeDecimalsWindow(decimals, m_calculator.get());
        QObject::connect(decimals, &FrmFract::fractionsRequested, [this] { showCalculator(); });
        QObject::connect(decimals, &FrmFract::exitRequested, [this] { endProgram(); });
        QObject::connect(decimals, &FrmFract::unloading, [this] { endProgram(); });
    }
    bringForward(m_decimals.get());
}

void Application::showCalculator()
{
    bringForward(m_calculator.get());
}

// Every window closes and the event loop ends; a second request while the
// first is under way does nothing.
void Application::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    if (m_decimals)
        m_decimals->close();
    m_calculator->close();
    QCoreApplication::quit();
}

} // namespace zarnith
