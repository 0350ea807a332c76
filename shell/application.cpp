#include "application.h"

#include "form1.h"
#include "windowplacement.h"

#include <QCoreApplication>

namespace zarnith {

Application::Application() : m_calculator(std::make_unique<Form1>(m_engine))
{
    placeCalculatorWindow(m_calculator.get());
    // Closing the calculator window ends the program.
    QObject::connect(m_calculator.get(), &Form1::unloading, qApp, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    m_calculator->show();
}

Application::~Application() = default;

} // namespace zarnith
