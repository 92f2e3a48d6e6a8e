#include <QIcon>

#include "background.h"
#include "fonts.h"
#include "guardedapplication.h"
#include "maindesign.h"
#include "product.h"
#include "program.h"
#include "resources.h"
#include "utf8.h"

int main(int argc, char *argv[])
{
    using namespace orvanta;

    // The largest single cost of start-up runs while Qt starts.
    forms::BackgroundAhead::Start(MainWindowDesign, platform::ResourceBytes(MainWindowDesign.background));
    QCoreApplication::setApplicationName(platform::FromUtf8(ProductTitle));
    QCoreApplication::setApplicationVersion(platform::FromUtf8(ProductVersionText));
    platform::GuardedApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.orvanta.orvanta"));
    QApplication::setWindowIcon(QIcon(platform::ResourcePath(MainWindowDesign.icon)));
    platform::InstallFontSubstitutes();

    Program program;
    program.start();
    return app.exec();
}
