#include "errorreport.h"

#include <cstdio>
#include <exception>
#include <new>
#include <string>

#include "formsruntime.h"
#include "messagebox.h"

namespace orvanta::platform {
namespace {

std::string describe(DWORD code)
{
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
        return "Access violation";
    case EXCEPTION_STACK_OVERFLOW:
        return "Out of stack space";
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
        return "Division by zero";
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_PRIV_INSTRUCTION:
        return "Illegal instruction";
    default: {
        char text[40];
        std::snprintf(text, sizeof text, "Exception 0x%08lX", static_cast<unsigned long>(code));
        return text;
    }
    }
}

bool &reporting()
{
    static bool flag = false;
    return flag;
}

std::string &programTitle()
{
    static std::string title;
    return title;
}

void showReport(std::string_view description)
{
    // A failure while the report is open must not open a second one.
    if (reporting())
        return;
    reporting() = true;
    std::fprintf(stderr, "%s: run-time error: %.*s\n", programTitle().c_str(), static_cast<int>(description.size()),
                 description.data());
    platform::MsgBox("Run-time error:\n\n" + std::string(description), forms::Critical, programTitle());
    reporting() = false;
}

LONG WINAPI reportUnhandled(EXCEPTION_POINTERS *exception)
{
    showReport(describe(exception->ExceptionRecord->ExceptionCode));
    // The faulting code cannot go on; nothing of the program runs after this.
    ExitProcess(RunTimeErrorExitCode);
}

} // namespace

void ReportRunTimeError(std::string_view description)
{
    showReport(description);
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
        ReportRunTimeError(description);
    } catch (...) {
        End(RunTimeErrorExitCode);
    }
}

void InstallRunTimeErrorReport(std::string_view title)
{
    programTitle() = title;
    SetUnhandledExceptionFilter(reportUnhandled);
}

} // namespace orvanta::platform
