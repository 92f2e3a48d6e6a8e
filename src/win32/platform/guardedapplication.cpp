#include "guardedapplication.h"

#include <cstdio>
#include <exception>
#include <new>
#include <string>

#include <objbase.h>

#include "forms.h"
#include "messageloop.h"

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

LONG WINAPI reportUnhandled(EXCEPTION_POINTERS *exception)
{
    forms::ReportRunTimeError(describe(exception->ExceptionRecord->ExceptionCode));
    // The faulting code cannot go on; nothing of the program runs after this.
    ExitProcess(forms::RunTimeErrorExitCode);
}

} // namespace

GuardedApplication::GuardedApplication()
    // COM for the thread's lifetime in it: the accessibility annotations are
    // COM objects.
    : m_comStarted(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
{
    // A structured exception (an access violation, a division by zero) that
    // no one handled is reported too.
    SetUnhandledExceptionFilter(reportUnhandled);
}

GuardedApplication::~GuardedApplication()
{
    if (m_comStarted)
        CoUninitialize();
}

int GuardedApplication::exec()
{
    return RunMessageLoop();
}

} // namespace orvanta::platform
