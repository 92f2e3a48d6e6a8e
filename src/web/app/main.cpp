// The entry point: builds Main from the shared design and shows it. The
// browser's event loop runs the program from then on; the objects live until
// the program ends.

#include <memory>

#include "aboutinstance.h"
#include "formsruntime.h"
#include "main.h"

namespace {

using namespace orvanta;

struct Program
{
    // Empty until Help > About is first chosen; survives the box's closing.
    std::unique_ptr<AboutInstance> aboutInstance;
    std::unique_ptr<Main> main;
};

Program *program = nullptr;

} // namespace

int main()
{
    program = new Program;
    program->main = std::make_unique<Main>([] { mnuAbout_Click(program->aboutInstance); },
                                           [] { forms::End(); });
    // End frees the windows, About box included, once the event that ended
    // the program is done.
    platform::OnEnd([] {
        delete program;
        program = nullptr;
    });
    program->main->centre();
    program->main->show();
    return 0;
}
