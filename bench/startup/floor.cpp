// The start-up floor: the least a Qt Widgets program does before its window
// is on screen. scripts/bench-startup compares the real program against it.

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QWidget window;
    // Distinct from the program's title so the measuring script tells the
    // two windows apart.
    window.setWindowTitle(QStringLiteral("Orvanta start-up floor"));
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Start-up floor"), &window));
    window.show();
    return app.exec();
}
