#include "application.h"

#include "form1.h"
#include "frmfract.h"
#include "help.h"
#include "platform.h"
#include "windowplacement.h"

#include <QGuiApplication>

namespace zarnith {

Application::Application(std::unique_ptr<HelpViewer> help)
    : m_help(help ? std::move(help) : std::make_unique<CompiledHelpViewer>()),
      m_calculator(std::make_unique<Form1>(m_engine))
{
    // The desktop matches the windows to the installed menu entry by this
    // name (the Wayland app id; on X11 the class is the program's name).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.zarnith"));
    forgetPlatformChoice();
    Form1 *calculator = m_calculator.get();
    placeCalculatorWindow(calculator);
    adaptToWayland(calculator);
    QObject::connect(calculator, &Form1::decimalRequested, [this] { showDecimals(); });
    QObject::connect(calculator, &Form1::aboutRequested, [this] { m_about.showModeless(); });
    QObject::connect(calculator, &Form1::contentsRequested, [this] { showHelp(m_calculator.get()); });
    QObject::connect(calculator, &Form1::unloading, [this] { endProgram(); });
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
        adaptToWayland(decimals);
        QObject::connect(decimals, &FrmFract::fractionsRequested, [this] { showCalculator(); });
        QObject::connect(decimals, &FrmFract::aboutRequested, [this] { m_about.showModal(); });
        QObject::connect(decimals, &FrmFract::webAddressClicked, [this] { m_about.showModeless(); });
        QObject::connect(decimals, &FrmFract::contentsRequested, [this] { showHelp(m_decimals.get()); });
        QObject::connect(decimals, &FrmFract::exitRequested, [this] { endProgram(); });
        QObject::connect(decimals, &FrmFract::unloading, [this] { endProgram(); });
    }
    bringForward(m_decimals.get());
}

void Application::showCalculator()
{
    bringForward(m_calculator.get());
}

void Application::showHelp(QWidget *from)
{
    m_help->open(helpPath(), from);
}

// Every window closes and the event loop ends; a second request while the
// first is under way does nothing.
void Application::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    m_about.close();
    m_help->close();
    if (m_decimals)
        m_decimals->close();
    m_calculator->close();
    QCoreApplication::quit();
}

} // namespace zarnith
