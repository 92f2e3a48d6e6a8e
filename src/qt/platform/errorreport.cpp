#include "errorreport.h"

#include <cstdio>
#include <exception>
#include <new>

#include "formsruntime.h"
#include "messagebox.h"

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
        ReportRunTimeError(QStringLiteral("Out of memory"));
    } catch (const std::exception &error) {
        ReportRunTimeError(QString::fromUtf8(error.what()));
    } catch (...) {
        ReportRunTimeError(QStringLiteral("Unknown error"));
    }
    return true;
}

void ReportRunTimeError(const QString &description)
{
    static bool reporting = false;
    if (!reporting) {
        reporting = true;
        std::fprintf(stderr, "Orvanta: run-time error: %s\n", description.toLocal8Bit().constData());
        MsgBox(nullptr, QStringLiteral("Run-time error:\n\n%1").arg(description), Critical, QCoreApplication::applicationName());
    }
    End(GuardedApplication::RunTimeErrorExitCode);
}

} // namespace orvanta::platform
