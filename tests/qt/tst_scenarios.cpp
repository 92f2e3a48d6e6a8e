// The shared user scenarios, played against the Qt windows with QTest's
// key and mouse events; then the random session the other runners play
// (tests/scenarios/monkey.h), whose seed ORVANTA_MONKEY_SEED sets.

#include <map>

#include <QAction>
#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include "aboutbox.h"
#include "aboutinstance.h"
#include "defaultbutton.h"
#include "forms.h"
#include "mainwindowfixture.h"
#include "monkey.h"
#include "scenarios.h"
#include "tabstrip.h"

using namespace orvanta;
using orvanta::scenarios::Op;
using orvanta::scenarios::Scenario;
using orvanta::scenarios::Step;
using orvanta::test::MainWindowFixture;

Q_DECLARE_METATYPE(const Scenario *)

namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

const std::map<std::string_view, std::pair<Qt::Key, Qt::KeyboardModifiers>> Keys{
    {"Return", {Qt::Key_Return, Qt::NoModifier}}, {"Enter", {Qt::Key_Enter, Qt::KeypadModifier}},
    {"Tab", {Qt::Key_Tab, Qt::NoModifier}},       {"Shift+Tab", {Qt::Key_Backtab, Qt::ShiftModifier}},
    {"Shift+Home", {Qt::Key_Home, Qt::ShiftModifier}}, {"Escape", {Qt::Key_Escape, Qt::NoModifier}},
    {"F2", {Qt::Key_F2, Qt::NoModifier}},         {"Ctrl+Q", {Qt::Key_Q, Qt::ControlModifier}},
};

// The main window and the About box, wired as the program wires them.
class Player
{
public:
    Player() { m_f.recordBoxes(); }

    bool ready() const { return m_f.ready; }

    QWidget *control(std::string_view name) const
    {
        constexpr std::string_view about = "frmAbout.";
        if (name.starts_with(about)) {
            QWidget *box = m_f.program->aboutBox();
            return box ? box->findChild<QWidget *>(qs(name.substr(about.size()))) : nullptr;
        }
        return m_f.find<QWidget>(qs(name));
    }

    // A click activates the window it lands in, as a window manager would.
    void activate(QWidget *target) const
    {
        target->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(target->window()));
    }

    // Keys go to the active window. When a window closes, a window manager
    // activates the one beneath; the offscreen platform leaves none active.
    QWindow *keyboardWindow() const
    {
        if (!QApplication::focusWindow())
            activate(m_f.window);
        return QApplication::focusWindow();
    }

    QString focusName() const
    {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            return {};
        if (qobject_cast<QTabBar *>(focus))
            focus = focus->parentWidget();
        const QString prefix = focus->window() == m_f.window ? QString() : QStringLiteral("frmAbout.");
        return prefix + focus->objectName();
    }

    QString openWindows() const
    {
        QStringList open;
        if (m_f.window->isVisible())
            open << QStringLiteral("Main");
        if (m_f.program->aboutBox() && m_f.program->aboutBox()->isVisible())
            open << QStringLiteral("frmAbout");
        return open.join(QLatin1Char('+'));
    }

    // After each step of a random session: once what the step queued has
    // run (a window's activation, a closed one's deletion), no run-time
    // error was reported, every message box was a warning, and the main
    // window is still shown.
    void expectRunning()
    {
        QTest::qWait(1);
        for (; m_checkedBoxes < m_f.boxes.size(); ++m_checkedBoxes) {
            const auto &box = m_f.boxes[m_checkedBoxes].request;
            QVERIFY2(box.style == int(forms::Exclamation), qPrintable(box.title + QStringLiteral(": ") + box.prompt));
        }
        QVERIFY(m_f.window->isVisible());
    }

    void end(std::string_view how)
    {
        QTimer::singleShot(0, m_f.window, [this, how] {
            if (how == "Ctrl+Q") {
                m_f.press(Qt::Key_Q, Qt::ControlModifier);
            } else if (how == "close Main") {
                m_f.window->close();
            } else if (how.starts_with("mnu")) {
                m_f.window->findChild<QAction *>(qs(how))->trigger();
            } else {
                QTest::mouseClick(control(how), Qt::LeftButton);
            }
        });
        // Guard against a hang: a program that failed to end gives 99.
        QTimer::singleShot(10000, qApp, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(openWindows(), QString());
    }

    void play(const Step &step)
    {
        const QString target = qs(step.target);
        const QString text = qs(step.text);
        switch (step.op) {
        case Op::ClickTab: {
            auto *strip = qobject_cast<platform::TabStrip *>(control(step.target));
            QVERIFY(strip);
            activate(strip);
            QTest::mouseClick(strip->control(), Qt::LeftButton, {}, strip->control()->tabRect(text.toInt()).center());
            break;
        }
        case Op::ClickInto:
        case Op::Click: {
            QWidget *widget = control(step.target);
            QVERIFY2(widget && widget->isVisible(), qPrintable(target));
            activate(widget);
            QTest::mouseClick(widget, Qt::LeftButton);
            break;
        }
        case Op::Type:
            keyboardWindow();
            for (const QChar c : text) {
                // A character no key gives comes whole, as from an input method.
                if (c.unicode() < 0x80)
                    QTest::keyClick(QApplication::focusWidget(), char(c.unicode()));
                else
                    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c),
                                        Qt::NoModifier);
            }
            break;
        case Op::Press: {
            const auto &[key, modifiers] = Keys.at(step.text);
            QTest::keyClick(keyboardWindow(), key, modifiers);
            break;
        }
        case Op::Choose:
            m_f.window->findChild<QAction *>(target)->trigger();
            break;
        case Op::EndsBy:
            end(step.target);
            break;
        case Op::ExpectText:
            QTRY_COMPARE(qobject_cast<QLineEdit *>(control(step.target))->text(), text);
            break;
        case Op::ExpectCaption:
            QTRY_COMPARE(qobject_cast<QLabel *>(control(step.target))->text(), text);
            break;
        case Op::ExpectTip:
            QCOMPARE(qobject_cast<QLabel *>(control(step.target))->toolTip(), text);
            break;
        case Op::ExpectFocus:
            QTRY_COMPARE(focusName(), target);
            break;
        case Op::ExpectDefault: {
            const QPushButton *button = platform::DefaultButtonController::of(m_f.window)->defaultButton();
            QCOMPARE(button ? button->objectName() : QString(), target);
            break;
        }
        case Op::ExpectWarning: {
            QCOMPARE(m_f.boxes.size(), m_checkedBoxes + 1);
            const auto &shown = m_f.boxes[m_checkedBoxes++].request;
            QCOMPARE(shown.title, target);
            QCOMPARE(shown.prompt, text);
            QCOMPARE(shown.style, int(forms::Exclamation));
            break;
        }
        case Op::ExpectNoWarning:
            QCOMPARE(m_f.boxes.size(), m_checkedBoxes);
            break;
        case Op::ExpectWindows:
            QTRY_COMPARE(openWindows(), text);
            break;
        }
    }

private:
    MainWindowFixture m_f;
    qsizetype m_checkedBoxes = 0;
};

} // namespace

class TestScenarios : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void play_data()
    {
        QTest::addColumn<const Scenario *>("scenario");
        QTest::addColumn<bool>("random");
        for (const Scenario &scenario : scenarios::Scenarios())
            QTest::newRow(std::string(scenario.name).c_str()) << &scenario << false;
        // The session keeps the texts its steps name.
        static const scenarios::MonkeySession session;
        static const Scenario random{session.name(), session.steps()};
        QTest::newRow(session.name().c_str()) << &random << true;
    }

    void play()
    {
        QFETCH(const Scenario *, scenario);
        QFETCH(bool, random);
        Player player;
        QVERIFY(player.ready());
        int index = 0;
        for (const Step &step : scenario->steps) {
            ++index;
            player.play(step);
            if (random && step.op != Op::EndsBy)
                player.expectRunning();
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(QStringLiteral("at step %1").arg(index)));
        }
    }
};

QTEST_MAIN(TestScenarios)
#include "tst_scenarios.moc"
