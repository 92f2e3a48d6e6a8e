#include <windows.h>

#include "guardedapplication.h"
#include "program.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    using namespace orvanta;
    try {
        platform::GuardedApplication app;
        Program program;
        program.start();
        return app.exec();
    } catch (...) {
        // The program could not even start: say why instead of vanishing.
        forms::ReportCurrentException();
        return forms::RunTimeErrorExitCode;
    }
}
