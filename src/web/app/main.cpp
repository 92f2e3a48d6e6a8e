// The entry point: makes the program and starts it. The browser's event loop
// runs it from then on; End frees it once the event that ended it is done.

#include "guardedapplication.h"
#include "formsruntime.h"
#include "program.h"
#include "runtimeerror.h"

namespace {

orvanta::Program *program = nullptr;

} // namespace

int main()
{
    using namespace orvanta;
    platform::GuardedApplication app;
    try {
        program = new Program;
        platform::OnEnd([] {
            delete program;
            program = nullptr;
        });
        program->start();
    } catch (...) {
        // The program could not even start: say why instead of vanishing.
        forms::ReportCurrentException();
    }
    return app.exec();
}
