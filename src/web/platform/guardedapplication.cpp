#include "guardedapplication.h"

#include <string>

#include <emscripten.h>
#include <emscripten/val.h>

#include "runtimeerror.h"

namespace orvanta::platform {
namespace {

EM_JS(void, orvanta_take_failures, (), {
    Module.orvantaReport = function(description) {
        Module._orvanta_report_failure(Emval.toHandle(description));
    };
});

} // namespace

// A failure the page caught, as a sentence: "RuntimeError: unreachable".
extern "C" EMSCRIPTEN_KEEPALIVE void orvanta_report_failure(emscripten::EM_VAL description)
{
    forms::ReportRunTimeError(emscripten::val::take_ownership(description).as<std::string>());
}

GuardedApplication::GuardedApplication()
{
    orvanta_take_failures();
}

} // namespace orvanta::platform
