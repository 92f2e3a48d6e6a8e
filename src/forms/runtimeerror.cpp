#include "runtimeerror.h"

#include <cstdio>
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

} // namespace orvanta::forms
