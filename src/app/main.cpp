#include <QIcon>

#include "errorreport.h"
#include "fonts.h"
#include "formsruntime.h"
#include "main.h"

int main(int argc, char *argv[])
{
    using namespace orvanta;

    QCoreApplication::setApplicationName(QStringLiteral("Orvanta"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    platform::GuardedApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("orvanta"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/orvanta.ico")));
    platform::InstallFontSubstitutes();

    Main window;
    // Closing the main window ends the program, About box included.
    QObject::connect(&window, &Main::closed, &app, [] { platform::End(); });
    window.centre();
    window.show();
    return app.exec();
}
