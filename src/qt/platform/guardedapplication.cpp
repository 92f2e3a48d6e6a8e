#include "guardedapplication.h"

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
    } catch (...) {
        forms::ReportCurrentException();
    }
    return true;
}

} // namespace orvanta::platform
