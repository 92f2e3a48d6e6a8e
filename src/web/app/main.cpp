// The entry point: makes the program and starts it. The browser's event loop
// runs it from then on; End frees it once the event that ended it is done.

#include "formsruntime.h"
#include "program.h"

int main()
{
    using namespace orvanta;
    static Program *program = nullptr;
    program = new Program;
    platform::OnEnd([] {
        delete program;
        program = nullptr;
    });
    program->start();
    return 0;
}
