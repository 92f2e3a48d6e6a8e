#include <windows.h>

#include "errorreport.h"
#include "application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace orvanta;
    try {
        Application application;
        application.start();
        return application.run();
    } catch (...) {
        // The program could not even start: say why instead of vanishing.
        platform::ReportCurrentException();
        return platform::RunTimeErrorExitCode;
    }
}
