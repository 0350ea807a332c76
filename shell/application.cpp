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
    placeCalculatorWindow(m_calculator.get());
    adaptToWayland(m_calculator.get());
    wire(m_calculator.get());
    connect(m_calculator.get(), &WorkingWindow::otherWindowRequested, this, &Application::showDecimals);
    m_calculator->show();
}

Application::~Application() = default;

void Application::wire(WorkingWindow *window)
{
    connect(window, &WorkingWindow::aboutRequested, this, [this](bool modal) {
        if (modal)
            m_about.showModal();
        else
            m_about.showModeless();
    });
    connect(window, &WorkingWindow::helpRequested, this, [this, window] { m_help->open(helpPath(), window); });
    connect(window, &WorkingWindow::programEnding, this, &Application::endProgram);
}

// Loads the Decimals window on first use, placed above the calculator;
// afterwards only brings it forward, as the user left it.
void Application::showDecimals()
{
    if (!m_decimals) {
        m_decimals = std::make_unique<FrmFract>(m_engine);
        placeDecimalsWindow(m_decimals.get(), m_calculator.get());
        adaptToWayland(m_decimals.get());
        wire(m_decimals.get());
        connect(m_decimals.get(), &WorkingWindow::otherWindowRequested, this, &Application::showCalculator);
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
    m_about.close();
    m_help->close();
    if (m_decimals)
        m_decimals->close();
    m_calculator->close();
    QCoreApplication::quit();
}

} // namespace zarnith
