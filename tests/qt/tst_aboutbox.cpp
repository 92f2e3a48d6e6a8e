// The About box as a user meets it: opening, closing, reopening, living
// beside the main window, and ending with the program.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "aboutbox.h"
#include "aboutinstance.h"
#include "forms.h"
#include "mainwindowfixture.h"
#include "twips.h"

using namespace orvanta;
using orvanta::test::MainWindowFixture;

namespace {

// The program as it runs: the main window and its About box.
struct Shell
{
    void chooseAbout() const { f.window->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger(); }
    AboutBox *box() const { return f.program->aboutBox(); }

    MainWindowFixture f;
};

QList<QWidget *> aboutWindows()
{
    QList<QWidget *> found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QStringLiteral("frmAbout"))
            found << w;
    return found;
}

QPushButton *ok(const AboutBox *box)
{
    return box->findChild<QPushButton *>(QStringLiteral("Command1"));
}

bool centredOnScreen(const QWidget *w)
{
    const QPoint offset = w->frameGeometry().center() - w->screen()->availableGeometry().center();
    return offset.manhattanLength() <= 1;
}

} // namespace

class TestAboutBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void openingTwiceLeavesOneBoxInFront_data()
    {
        QTest::addColumn<bool>("firstByF2");
        QTest::newRow("menu, menu") << false;
        QTest::newRow("F2, menu") << true;
    }

    void openingTwiceLeavesOneBoxInFront()
    {
        QFETCH(bool, firstByF2);
        Shell s;
        QVERIFY(s.f.ready);
        QVERIFY(aboutWindows().isEmpty());
        QVERIFY(!s.f.program->aboutInstance());

        if (firstByF2)
            s.f.press(Qt::Key_F2);
        else
            s.chooseAbout();
        AboutBox *first = s.box();
        QVERIFY(first);
        QVERIFY(QTest::qWaitForWindowActive(first));
        QCOMPARE(QApplication::focusWidget(), ok(first));

        // The main window comes to the front; Help > About brings the box back.
        s.f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.f.window));
        s.chooseAbout();
        QCOMPARE(s.box(), first);
        QCOMPARE(aboutWindows().size(), 1);
        QVERIFY(first->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(first));
        QCOMPARE(QApplication::focusWidget(), ok(first));
    }

    void closingUnloadsAndReopeningLoadsAfresh_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how : {"OK", "close box", "Enter", "keypad Enter", "Space", "Escape"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }

    void closingUnloadsAndReopeningLoadsAfresh()
    {
        QFETCH(QString, how);
        Shell s;
        QVERIFY(s.f.ready);
        s.chooseAbout();
        QPointer<AboutBox> old = s.box();
        QVERIFY(QTest::qWaitForWindowActive(old));
        QVERIFY(centredOnScreen(old));
        old->move(old->pos() + QPoint(-90, 70));
        AboutInstance *instance = s.f.program->aboutInstance();

        const std::map<QString, std::pair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {QStringLiteral("Enter"), {Qt::Key_Return, Qt::NoModifier}},
            {QStringLiteral("keypad Enter"), {Qt::Key_Enter, Qt::KeypadModifier}},
            {QStringLiteral("Space"), {Qt::Key_Space, Qt::NoModifier}},
            {QStringLiteral("Escape"), {Qt::Key_Escape, Qt::NoModifier}}};
        if (how == QStringLiteral("OK"))
            QTest::mouseClick(ok(old), Qt::LeftButton);
        else if (how == QStringLiteral("close box"))
            old->close();
        else
            QTest::keyClick(old->windowHandle(), keys.at(how).first, keys.at(how).second);

        QTRY_VERIFY(!old);
        QVERIFY(aboutWindows().isEmpty());
        QCOMPARE(s.f.program->aboutInstance(), instance);
        QVERIFY(s.f.window->isVisible());

        s.chooseAbout();
        AboutBox *fresh = s.box();
        QVERIFY(fresh);
        QVERIFY(fresh->isVisible());
        QVERIFY(centredOnScreen(fresh));
        QVERIFY(QTest::qWaitForWindowActive(fresh));
        QCOMPARE(QApplication::focusWidget(), ok(fresh));
    }

    void mainWindowStaysUsableBesideTheBox()
    {
        Shell s;
        QVERIFY(s.f.ready);
        s.f.recordBoxes();
        s.chooseAbout();
        AboutBox *box = s.box();
        QVERIFY(QTest::qWaitForWindowActive(box));

        s.f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(s.f.window));
        s.f.typeInto(QStringLiteral("Meter1"), QStringLiteral("1"));
        QTest::mouseClick(s.f.button(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(s.f.label(QStringLiteral("AnsFeet1"))->text(), QStringLiteral("10.7639 Feet²"));
        QVERIFY(s.f.boxes.isEmpty());
        QCOMPARE(s.box(), box);
        QVERIFY(box->isVisible());
    }

    void endingClosesTheBoxToo_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("File > Exit") << QStringLiteral("menu");
        QTest::newRow("EXIT button") << QStringLiteral("EXIT");
        QTest::newRow("main window's close box") << QStringLiteral("close");
    }

    void endingClosesTheBoxToo()
    {
        QFETCH(QString, how);
        Shell s;
        QVERIFY(s.f.ready);
        s.chooseAbout();
        AboutBox *box = s.box();
        QVERIFY(box->isVisible());

        QTimer::singleShot(0, s.f.window, [&] {
            if (how == QStringLiteral("menu"))
                s.f.window->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
            else if (how == QStringLiteral("EXIT"))
                QTest::mouseClick(s.f.button(QStringLiteral("Command11")), Qt::LeftButton);
            else
                s.f.window->close();
        });
        // Guard against a hang: a program that failed to end gives 99.
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!s.f.window->isVisible());
        QVERIFY(!box->isVisible());
    }

    void windowFrameAndControls()
    {
        AboutBox box;
        QCOMPARE(box.parentWidget(), nullptr);
        QCOMPARE(box.size(), QSize(348, 170));
        QCOMPARE(box.minimumSize(), box.maximumSize());
        QVERIFY(!(box.windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));
        QVERIFY(box.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(box.windowIcon().pixmap(32).toImage(),
                 QIcon(QStringLiteral(":/images/about.ico")).pixmap(32).toImage());

        const std::pair<const char *, QRect> expected[] = {
            {"Image1", platform::TwipsRect(0, 0, 2550, 2550)},
            {"Label1", platform::TwipsRect(2760, 120, 2295, 255)},
            {"Label3", platform::TwipsRect(2760, 720, 2415, 255)},
            {"Command1", platform::TwipsRect(3480, 1920, 1095, 495)}};
        for (const auto &[name, rect] : expected) {
            const QWidget *control = box.findChild<QWidget *>(QString::fromLatin1(name));
            QVERIFY2(control, name);
            QCOMPARE(control->geometry(), rect);
        }
        // Screen readers announce it as a dialog of its own, by its caption.
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&box);
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), QAccessible::Dialog);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("About"));
        // OK is the only control that can take the focus.
        for (const QWidget *child : box.findChildren<QWidget *>())
            QCOMPARE(child->focusPolicy() != Qt::NoFocus, child == ok(&box));
    }

    void lineInvertsWhatLiesBeneath()
    {
        AboutBox box;
        const QImage shot = box.grab().toImage();
        const QColor back = box.palette().window().color();
        const QColor pen(0, 128, 0);
        const auto notXor = [](int p, int d) { return ~(p ^ d) & 0xff; };
        const QColor inverted(notXor(pen.red(), back.red()), notXor(pen.green(), back.green()),
                              notXor(pen.blue(), back.blue()));
        const int x = platform::Twips(2640);
        for (int y : {0, 84, platform::Twips(2520) - 1})
            QCOMPARE(shot.pixelColor(x, y), inverted);
        // Beside the line the background is untouched.
        QCOMPARE(shot.pixelColor(x + 4, 84), back);
        QCOMPARE(shot.pixelColor(x - 4, 84), back);
    }
};

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
