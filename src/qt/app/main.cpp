#include <memory>

#include <QIcon>

#include "aboutinstance.h"
#include "errorreport.h"
#include "fonts.h"
#include "formsruntime.h"
#include "main.h"
#include "program.h"
#include "utf8.h"

int main(int argc, char *argv[])
{
    using namespace orvanta;

    QCoreApplication::setApplicationName(platform::FromUtf8(ProductTitle));
    QCoreApplication::setApplicationVersion(platform::FromUtf8(ProductVersionText));
    platform::GuardedApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvanta.orvanta"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/images/orvanta.ico")));
    platform::InstallFontSubstitutes();

    // Empty until Help > About is first chosen; survives the box's closing.
    std::unique_ptr<AboutInstance> aboutInstance;

    Main window;
    QObject::connect(&window, &Main::aboutRequested, &window, [&aboutInstance] { mnuAbout_Click(aboutInstance); });
    // Closing the main window ends the program, About box included.
    QObject::connect(&window, &Main::closed, &app, [] { platform::End(); });
    window.centre();
    window.show();
    window.activateWindow();
    return app.exec();
}
