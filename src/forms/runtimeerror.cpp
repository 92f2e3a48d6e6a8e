#include "runtimeerror.h"

#include <cstdio>
#include <exception>
#include <new>
#include <string>

#include "forms.h"
#include "product.h"

namespace orvanta::forms {

void ReportRunTimeError(std::string_view description)
{
    static bool reporting = false;
    if (!reporting) {
        reporting = true;
        std::fprintf(stderr, "%.*s: run-time error: %.*s\n", static_cast<int>(ProductTitle.size()),
                     ProductTitle.data(), static_cast<int>(description.size()), description.data());
        MsgBox("Run-time error:\n\n" + std::string(description), Critical, ProductTitle);
        reporting = false;
    }
    End(RunTimeErrorExitCode);
}

void ReportCurrentException() noexcept
{
    // The exception lives on in the caller's catch block, and what() with it.
    const char *description = "Unknown error";
    try {
        throw;
    } catch (const std::bad_alloc &) {
        description = "Out of memory";
    } catch (const std::exception &error) {
        description = error.what();
    } catch (...) {
    }
    try {
        forms::ReportRunTimeError(description);
    } catch (...) {
        forms::End(forms::RunTimeErrorExitCode);
    }
}


} // namespace orvanta::forms
