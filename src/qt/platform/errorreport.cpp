#include "errorreport.h"

#include <exception>
#include <new>

#include "runtimeerror.h"

namespace orvanta::platform {

GuardedApplication::GuardedApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool GuardedApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::bad_alloc &) {
        forms::ReportRunTimeError("Out of memory");
    } catch (const std::exception &error) {
        forms::ReportRunTimeError(error.what());
    } catch (...) {
        forms::ReportRunTimeError("Unknown error");
    }
    return true;
}

} // namespace orvanta::platform
