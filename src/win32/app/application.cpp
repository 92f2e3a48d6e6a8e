#include "application.h"

#include <commctrl.h>

#include "errorreport.h"
#include "formsruntime.h"
#include "messageloop.h"
#include "program.h"

namespace orvanta {

Application::Application()
{
    platform::InstallRunTimeErrorReport(ProductTitle);
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX),
                                        ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    m_main = std::make_unique<Main>();
    m_main->onAboutRequested([this] { mnuAbout_Click(m_aboutInstance); });
    // Closing the main window ends the program, About box included.
    m_main->onClosed([] { platform::End(); });
}

Application::~Application() = default;

AboutBox *Application::aboutBox() const
{
    return m_aboutInstance ? m_aboutInstance->window() : nullptr;
}

void Application::start()
{
    m_main->centre();
    m_main->show();
}

int Application::run()
{
    return platform::RunMessageLoop();
}

} // namespace orvanta
