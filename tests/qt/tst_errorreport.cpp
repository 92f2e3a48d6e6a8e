// A handler that throws is reported in an error box and ends the program
// with a non-zero exit code. Runs its own event loop, so no QTest main.

#include <cstdio>
#include <stdexcept>

#include <QTimer>

#include "guardedapplication.h"
#include "forms.h"
#include "messagebox.h"
#include "runtimeerror.h"

using namespace orvanta::forms;
using orvanta::platform::GuardedApplication;

namespace {

int failures = 0;

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "FAIL: %s\n", what);
        ++failures;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    GuardedApplication app(argc, argv);

    QList<MessageRequest> boxes;
    SetMessageBoxHook([&](const MessageRequest &request) { boxes.append(request); });

    bool ranAfterTheFailure = false;
    QTimer::singleShot(0, &app, [] { throw std::runtime_error("disk on fire"); });
    QTimer::singleShot(50, &app, [&] { ranAfterTheFailure = true; });
    QTimer::singleShot(10000, &app, [] { QCoreApplication::exit(99); });

    const int code = app.exec();
    check(code == RunTimeErrorExitCode, "exit code is the run-time error code");
    check(boxes.size() == 1, "exactly one error box");
    check(!boxes.isEmpty() && boxes.first().style == Critical, "the box has the critical icon");
    check(!boxes.isEmpty() && boxes.first().prompt.find("disk on fire") != std::string::npos, "the box names the failure");
    check(!boxes.isEmpty() && boxes.first().title == "Orvanta", "the box carries the program's name");
    check(!ranAfterTheFailure, "no later event ran");

    std::printf("%d passed, %d failed\n", 6 - failures, failures);
    return failures == 0 ? 0 : 1;
}
