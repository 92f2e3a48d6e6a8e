// The main window as a user meets it: start state, pages, keyboard, ending.

#include <QAction>
#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "converterpage.h"
#include "defaultbutton.h"
#include "forms.h"
#include "mainwindowfixture.h"
#include "tabstrip.h"
#include "twips.h"

using namespace orvanta;
using orvanta::test::MainWindowFixture;
using platform::TabStrip;

namespace {

TabStrip *strip(const MainWindowFixture &f, int n)
{
    return f.find<TabStrip>(QStringLiteral("SSTab%1").arg(n));
}

QPushButton *defaultButton(const MainWindowFixture &f)
{
    return platform::DefaultButtonController::of(f.window)->defaultButton();
}

// The names Tab visits, starting from the focus, count steps.
QStringList walk(const MainWindowFixture &f, int count, bool backwards = false)
{
    QStringList names;
    for (int i = 0; i < count; ++i) {
        f.press(Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QWidget *focus = QApplication::focusWidget();
        if (auto *bar = qobject_cast<QTabBar *>(focus))
            focus = bar->parentWidget();
        names << (focus ? focus->objectName() : QStringLiteral("<none>"));
    }
    return names;
}

QStringList names(const char *prefixA, const char *prefixB, std::initializer_list<std::pair<int, int>> seq)
{
    QStringList out;
    for (auto [which, n] : seq)
        out << QString::fromLatin1(which ? prefixB : prefixA) + QString::number(n);
    return out;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startState()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        QCOMPARE(f.window->windowTitle(), QStringLiteral("Orvanta - @Tiso"));
        QCOMPARE(strip(f, 1)->tab(), 0);
        QCOMPARE(strip(f, 2)->tab(), 0);
        QCOMPARE(strip(f, 3)->tab(), 1); // volumes open on "Feet³ to Meter³"
        QCOMPARE(QApplication::focusWidget(), strip(f, 1)->control());
        QCOMPARE(defaultButton(f), nullptr);
        for (const auto &page : f.window->pages())
            for (const ConverterRow &row : page->rows()) {
                QVERIFY(row.input->text().isEmpty());
                QVERIFY(row.result->text().isEmpty());
                QVERIFY(row.result->toolTip().isEmpty());
                QVERIFY(!row.button->isDefault());
            }
        QVERIFY(f.box(QStringLiteral("Meter1"))->isVisible());
        QVERIFY(!f.box(QStringLiteral("Feet1"))->isVisible());
        QVERIFY(!f.box(QStringLiteral("F1"))->isVisible());
    }

    void clientAreaAndControlsFollowTheTwipsDesign_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("outer strip") << "SSTab1" << QRect(120, 240, 9495, 6375);
        QTest::newRow("area strip") << "SSTab2" << QRect(240, 720, 9015, 5175);
        QTest::newRow("EXIT") << "Command11" << QRect(7680, 6720, 1695, 495);
        QTest::newRow("first m² box") << "Meter1" << QRect(600, 1080, 2055, 375);
        QTest::newRow("tenth ft² result") << "AnsMet10" << QRect(4560, 4320, 4215, 375);
        QTest::newRow("m³ button, shifted left") << "C4" << QRect(2640, 2160, 1575, 375);
        QTest::newRow("ft³ result header") << "Label4" << QRect(5760, 600, 1575, 375);
    }

    void clientAreaAndControlsFollowTheTwipsDesign()
    {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        MainWindowFixture f;
        QVERIFY(f.ready);
        QCOMPARE(f.window->centralWidget()->size(), QSize(652, 489));
        auto *widget = f.find<QWidget>(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), platform::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    }

    void rowsOverlapByOnePixelAndEndAt4695()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        const QRect nine = f.box(QStringLiteral("Feet9"))->geometry();
        const QRect ten = f.box(QStringLiteral("Feet10"))->geometry();
        QCOMPARE(nine.bottom() + 1 - ten.top(), 1);
        QCOMPARE(ten.top() + ten.height(), platform::Twips(4695));
    }

    void windowIsFixedAndHasNoMaximize()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        QCOMPARE(f.window->minimumSize(), f.window->maximumSize());
        QVERIFY(!(f.window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(f.window->windowFlags() & Qt::WindowMinimizeButtonHint);
    }

    void enterConvertsTheRowBeingEdited()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.recordBoxes();
        f.typeInto(QStringLiteral("Meter3"), QStringLiteral("2.5"));
        f.press(Qt::Key_Return);
        QCOMPARE(f.label(QStringLiteral("AnsFeet3"))->text(), QString::fromUtf8("26.90975 Feet²"));
        QCOMPARE(QApplication::focusWidget(), f.box(QStringLiteral("Meter3")));
        QCOMPARE(defaultButton(f), f.button(QStringLiteral("Command3")));
        QVERIFY(f.button(QStringLiteral("Command3"))->isDefault());

        // Tab twice lands in Meter4 (button, then box); Enter converts it alone.
        f.press(Qt::Key_Tab);
        f.press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.box(QStringLiteral("Meter4")));
        QCOMPARE(defaultButton(f), f.button(QStringLiteral("Command4")));
        QTest::keyClicks(f.box(QStringLiteral("Meter4")), QStringLiteral("1"));
        f.press(Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(f.label(QStringLiteral("AnsFeet4"))->text(), QString::fromUtf8("10.7639 Feet²"));
        QCOMPARE(f.label(QStringLiteral("AnsFeet3"))->text(), QString::fromUtf8("26.90975 Feet²"));
        QVERIFY(!f.button(QStringLiteral("Command3"))->isDefault());
        QVERIFY(f.boxes.isEmpty());
    }

    void enterOnInvalidTextWarnsEachTime()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.recordBoxes();
        strip(f, 1)->setTab(1);
        f.typeInto(QStringLiteral("F7"), QStringLiteral("zero"));
        f.press(Qt::Key_Return);
        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.box(QStringLiteral("F7"))->text(), QString());
        QCOMPARE(QApplication::focusWidget(), f.box(QStringLiteral("F7")));
        f.press(Qt::Key_Return);
        QCOMPARE(f.boxes.size(), 2);
    }

    void clickingAnotherRowsButtonConvertsThatRow()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        strip(f, 2)->setTab(1);
        f.typeInto(QStringLiteral("Feet5"), QStringLiteral("100"));
        f.typeInto(QStringLiteral("Feet2"), QStringLiteral("1"));
        QCOMPARE(defaultButton(f), f.button(QStringLiteral("cmd2")));
        QTest::mouseClick(f.button(QStringLiteral("cmd5")), Qt::LeftButton);
        QCOMPARE(f.label(QStringLiteral("AnsMet5"))->text(), QString::fromUtf8("9.2900 Meter²"));
        QCOMPARE(f.label(QStringLiteral("AnsMet2"))->text(), QString());
        QCOMPARE(QApplication::focusWidget(), f.box(QStringLiteral("Feet5")));
        QCOMPARE(defaultButton(f), f.button(QStringLiteral("cmd5")));
    }

    void designationSurvivesFocusElsewhereAndPageSwitches()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.typeInto(QStringLiteral("Meter6"), QStringLiteral("3"));
        f.find<QPushButton>(QStringLiteral("Command11"))->setFocus();
        strip(f, 1)->control()->setFocus();
        strip(f, 1)->setTab(1);
        strip(f, 3)->setTab(0);
        QCOMPARE(defaultButton(f), f.button(QStringLiteral("Command6")));
        strip(f, 1)->setTab(0);
        QCOMPARE(defaultButton(f), f.button(QStringLiteral("Command6")));
        QCOMPARE(f.box(QStringLiteral("Meter6"))->text(), QStringLiteral("3"));
    }

    void focusedButtonTakesEnterItself()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.recordBoxes();
        f.typeInto(QStringLiteral("Meter1"), QStringLiteral("1"));
        f.typeInto(QStringLiteral("Meter2"), QStringLiteral("2"));
        f.button(QStringLiteral("Command1"))->setFocus();
        f.press(Qt::Key_Return);
        QCOMPARE(f.label(QStringLiteral("AnsFeet1"))->text(), QString::fromUtf8("10.7639 Feet²"));
        QCOMPARE(f.label(QStringLiteral("AnsFeet2"))->text(), QString());
    }

    void tabOrderOfThePages_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("outer");
        QTest::addColumn<int>("inner");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("m², top down") << "Meter1" << 0 << 0
                                      << names("Meter", "Command", {{1, 1}, {1, 2}, {0, 2}, {1, 3}, {0, 3}});
        QTest::newRow("ft², bottom up") << "Feet10" << 0 << 1
                                        << names("Feet", "cmd", {{1, 10}, {0, 9}, {1, 9}, {0, 8}});
        QTest::newRow("ft², last rows") << "Feet2" << 0 << 1 << names("Feet", "cmd", {{1, 2}, {1, 1}, {0, 1}});
        QTest::newRow("m³") << "M9" << 1 << 0 << names("M", "C", {{1, 10}, {0, 10}});
        QTest::newRow("ft³ to EXIT and round") << "F10" << 1 << 1
                                              << (QStringList{QStringLiteral("Command11"), QStringLiteral("SSTab1"), QStringLiteral("SSTab3"), QStringLiteral("F1")});
    }

    void tabOrderOfThePages()
    {
        QFETCH(QString, start);
        QFETCH(int, outer);
        QFETCH(int, inner);
        QFETCH(QStringList, expected);
        MainWindowFixture f;
        QVERIFY(f.ready);
        strip(f, 1)->setTab(outer);
        strip(f, outer == 0 ? 2 : 3)->setTab(inner);
        f.box(start)->setFocus();
        QCOMPARE(walk(f, int(expected.size())), expected);
    }

    void windowTabOrderFromTheStart()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        // Hidden pages are passed over: strip, strip, the shown page, EXIT.
        QStringList expected{QStringLiteral("SSTab2"), QStringLiteral("Meter1"), QStringLiteral("Command1")};
        QCOMPARE(walk(f, 3), expected);
        f.box(QStringLiteral("Meter10"))->setFocus();
        QCOMPARE(walk(f, 2), (QStringList{QStringLiteral("Command11"), QStringLiteral("SSTab1")}));
        QCOMPARE(walk(f, 1, true), QStringList{QStringLiteral("Command11")});
    }

    void pageSwitchesKeepContent()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.typeInto(QStringLiteral("Meter1"), QStringLiteral("12"));
        f.press(Qt::Key_Return);
        strip(f, 1)->setTab(1);
        QCOMPARE(strip(f, 3)->tab(), 1);
        f.typeInto(QStringLiteral("F1"), QStringLiteral("5"));
        strip(f, 2)->setTab(1);
        strip(f, 1)->setTab(0);
        QCOMPARE(strip(f, 2)->tab(), 1);
        strip(f, 2)->setTab(0);
        strip(f, 1)->setTab(1);
        QCOMPARE(f.box(QStringLiteral("Meter1"))->text(), QStringLiteral("12"));
        QCOMPARE(f.label(QStringLiteral("AnsFeet1"))->text(), QString::fromUtf8("129.1668 Feet²"));
        QCOMPARE(f.box(QStringLiteral("F1"))->text(), QStringLiteral("5"));
        QVERIFY(f.box(QStringLiteral("F1"))->isVisible());
        QVERIFY(!f.box(QStringLiteral("Meter1"))->isVisible());
    }

    void tabsSwitchByMouseAndKeyboard()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        QTabBar *bar = strip(f, 1)->control();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(strip(f, 1)->tab(), 1);
        QVERIFY(f.box(QStringLiteral("F1"))->isVisible());
        bar->setFocus();
        f.press(Qt::Key_Left);
        QCOMPARE(strip(f, 1)->tab(), 0);
        // Hidden pages take no input.
        QVERIFY(!f.box(QStringLiteral("F1"))->isEnabled() || !f.box(QStringLiteral("F1"))->isVisible());
    }

    void escapeDoesNothing()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.typeInto(QStringLiteral("Meter1"), QStringLiteral("4"));
        f.press(Qt::Key_Escape);
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.box(QStringLiteral("Meter1"))->text(), QStringLiteral("4"));
    }

    void endsAtOnce_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("EXIT button") << "EXIT";
        QTest::newRow("File > Exit") << "menu";
        QTest::newRow("Ctrl+Q") << "ctrl+q";
        QTest::newRow("close box") << "close";
        QTest::newRow("EXIT with invalid text in a box") << "EXIT invalid";
        QTest::newRow("Ctrl+Q from a box on the volume page") << "ctrl+q invalid";
    }

    void endsAtOnce()
    {
        QFETCH(QString, how);
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.recordBoxes();
        if (how.startsWith(QStringLiteral("ctrl+q"))) {
            strip(f, 1)->setTab(1);
            f.typeInto(QStringLiteral("F3"), QStringLiteral("abc"));
        } else if (how.endsWith(QStringLiteral("invalid"))) {
            f.typeInto(QStringLiteral("Meter1"), QStringLiteral("abc"));
        }

        QTimer::singleShot(0, f.window, [&] {
            if (how.startsWith(QStringLiteral("EXIT")))
                QTest::mouseClick(f.button(QStringLiteral("Command11")), Qt::LeftButton);
            else if (how == QStringLiteral("menu"))
                f.window->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
            else if (how.startsWith(QStringLiteral("ctrl+q")))
                f.press(Qt::Key_Q, Qt::ControlModifier);
            else
                f.window->close();
        });
        // Guard against a hang: a program that failed to end gives 99.
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.boxes.isEmpty());
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
