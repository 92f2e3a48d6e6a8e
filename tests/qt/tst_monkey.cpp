// A long random session on the real window: typing, editing, Enter, clicks on
// Convert buttons, tabs and boxes, Tab and Shift+Tab. After every key or
// click the whole window is compared with a model of what the action should
// have done. The model keeps each row's expected input, caption and tooltip,
// the tab strips' pages, the warnings owed and the input box that most
// recently got the focus; results come from the conversion core applied to
// the text the box held when the conversion happened.
//
// The session follows one seed, printed at the start. To repeat a failing
// session: ORVANTA_MONKEY_SEED=<seed> tst_monkey

#include <array>
#include <optional>
#include <random>
#include <string_view>

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QTabBar>
#include <QTest>

#include "conversion.h"
#include "converterpage.h"
#include "defaultbutton.h"
#include "mainwindowfixture.h"
#include "quantity.h"
#include "tabstrip.h"

using namespace orvanta;
using orvanta::test::MainWindowFixture;
using platform::TabStrip;

namespace {

constexpr int Steps = 3000;
constexpr quint64 DefaultSeed = 20240611;
constexpr int LongTextLength = 100000;

struct RowState
{
    QString input, caption, tip;
};

struct Warning
{
    QString prompt, title;
};

// Pieces of typed text: parts of numbers, separators, hex and octal
// prefixes, the range edges of a double, letters and non-ASCII text.
const std::array<const char *, 46> Pieces{
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", ".", "e", "E", "d", "D", "-", "+",
    "&H", "&O", "&h", " ", " ", ",", "a", "x", "Z", "1e308", "9e307", "1.7976931348623157e308",
    "2e308", "1e-320", "&HFFFF", "&H7FFF", "&H7FFFFFFF", "&HFFFFFFFFF", "&O777", "0.0001", "12.5",
    "1000000", "\u00FC", "\u00B2", "\u4E2D", "\U0001F600", "-0", "1d2"};

QString shortened(const QString &text)
{
    if (text.size() <= 40)
        return text;
    return text.left(20) + QStringLiteral("...(%1 chars)").arg(text.size());
}

class Session
{
public:
    Session(MainWindowFixture &fixture, quint64 seed, QString separator)
        : m_f(fixture)
        , m_random(seed)
        , m_separator(std::move(separator))
    {
        for (int p = 0; p < 4; ++p)
            for (const ConverterRow &row : m_f.window->pages()[p]->rows()) {
                m_inputRow.insert(row.input, int(m_rows.size()));
                m_buttonRow.insert(row.button, int(m_rows.size()));
                m_rows.append(row);
                m_model.append(RowState{});
            }
        for (int s = 0; s < 3; ++s)
            m_strips[s] = m_f.find<TabStrip>(QStringLiteral("SSTab%1").arg(s + 1));
        m_exit = m_f.button(QStringLiteral("Command11"));
        m_f.recordBoxes();
        QObject::connect(qApp, &QApplication::focusChanged, &m_watch, [this](QWidget *, QWidget *now) {
            if (const auto row = m_inputRow.constFind(now); row != m_inputRow.cend())
                m_lastFocusedInput = *row;
        });
    }

    bool ready() const { return m_rows.size() == 40 && m_strips[0] && m_strips[1] && m_strips[2] && m_exit; }

    // One random user action, checked key by key; returns the first
    // difference from the model, or nothing.
    QString step()
    {
        if (++m_steps % 1000 == 500)
            return pasteLongTextAndConvert();
        const int dice = pick(1000);
        if (dice < 270)
            return typeText(randomText());
        if (dice < 350)
            return pressEditKey(pick(3) ? Qt::Key_Backspace : Qt::Key_Delete);
        if (dice < 470)
            return pressEnter();
        if (dice < 590)
            return clickConvert();
        if (dice < 710)
            return clickInput();
        if (dice < 790)
            return clickTab();
        if (dice < 880)
            return pressTab();
        if (dice < 955)
            return pressMoveKey();
        if (dice < 975)
            return paste(randomText());
        if (dice < 989)
            return paste(QString(1 + pick(400), QLatin1Char('9'))); // mostly beyond the double range
        return pressKey(Qt::Key_Escape, {}, QStringLiteral("Escape"));
    }

    // The most recent actions, oldest first.
    QStringList recent() const { return m_log; }

    QString summary() const
    {
        return QStringLiteral("%1 conversions: %2 results, %3 invalid, %4 overflow; %5 Enter with no visible default")
            .arg(m_results + m_warnings.size())
            .arg(m_results)
            .arg(m_invalid)
            .arg(m_warnings.size() - m_invalid)
            .arg(m_enterIgnored);
    }

private:
    int pick(int n) { return int(m_random() % quint64(n)); }

    QString randomText()
    {
        QString text;
        for (int n = 1 + pick(4); n > 0; --n)
            text += QString::fromUtf8(Pieces[size_t(pick(int(Pieces.size())))]);
        return text;
    }

    QString longText()
    {
        switch (pick(4)) {
        case 0:
            return QString(LongTextLength, QLatin1Char('7')); // too large to convert
        case 1:
            return QString(LongTextLength, QLatin1Char('x')); // no number
        case 2:
            return QString(LongTextLength - 1, QLatin1Char(' ')) + QLatin1Char('5'); // spaces do not count
        default:
            return QStringLiteral("0.") + QString(LongTextLength, QLatin1Char('0')) + QLatin1Char('1'); // reads as 0
        }
    }

    void log(const QString &action)
    {
        m_log.append(action);
        if (m_log.size() > 15)
            m_log.removeFirst();
    }

    QWindow *handle() const { return m_f.window->windowHandle(); }
    int focusedInput() const { return m_inputRow.value(QApplication::focusWidget(), -1); }
    int focusedButton() const { return m_buttonRow.value(QApplication::focusWidget(), -1); }

    int visiblePage() const { return m_tabs[0] == 0 ? m_tabs[1] : 2 + m_tabs[2]; }
    bool rowVisible(int row) const { return row / 10 == visiblePage(); }
    int randomVisibleRow() { return visiblePage() * 10 + pick(10); }

    QString rowName(int row) const { return m_rows[row].input->objectName(); }

    // What converting a row leads to, from what its box holds now.
    void expectConversion(int row)
    {
        const QByteArray text = m_rows[row].input->text().toUtf8();
        const std::string_view view(text.constData(), size_t(text.size()));
        RowState &state = m_model[row];
        if (!IsValidQuantity(view)) {
            m_warnings.append(Warning{QStringLiteral("The Number is invalid or less than Zero"), QStringLiteral("Invalid Number")});
            state.input.clear();
            state.caption.clear();
            ++m_invalid;
        } else if (const std::optional<std::string> result =
                       ResultText(*m_rows[row].conversion, view, m_separator.toStdString())) {
            state.caption = state.tip = QString::fromStdString(*result);
            ++m_results;
        } else {
            m_warnings.append(Warning{QStringLiteral("The Number is too large to convert"), QStringLiteral("Overflow")});
            state.caption.clear();
        }
        m_convertedRow = row;
    }

    // Replaces the selection of the focused box, or inserts at its cursor.
    void expectInsert(int row, const QString &text)
    {
        const QLineEdit *box = m_rows[row].input;
        QString &input = m_model[row].input;
        int at = box->cursorPosition();
        if (box->hasSelectedText()) {
            at = box->selectionStart();
            input.remove(at, box->selectionLength());
        }
        input.insert(at, text);
    }

    void expectErase(int row, Qt::Key key)
    {
        const QLineEdit *box = m_rows[row].input;
        QString &input = m_model[row].input;
        if (box->hasSelectedText()) {
            input.remove(box->selectionStart(), box->selectionLength());
            return;
        }
        const int at = box->cursorPosition();
        if (key == Qt::Key_Backspace && at > 0) {
            const bool pair = at > 1 && input[at - 1].isLowSurrogate() && input[at - 2].isHighSurrogate();
            input.remove(at - (pair ? 2 : 1), pair ? 2 : 1);
        } else if (key == Qt::Key_Delete && at < input.size()) {
            const bool pair = at + 1 < input.size() && input[at].isHighSurrogate() && input[at + 1].isLowSurrogate();
            input.remove(at, pair ? 2 : 1);
        }
    }

    // Types text one character at a time into whatever holds the focus, the
    // way a keyboard would: a focused Convert button takes Space as a click.
    QString typeText(const QString &text)
    {
        log(QStringLiteral("type \"%1\"").arg(shortened(text)));
        for (qsizetype i = 0; i < text.size(); ++i) {
            QString ch(text[i]);
            if (text[i].isHighSurrogate() && i + 1 < text.size())
                ch += text[++i];
            if (ch == QStringLiteral(" ") && QApplication::focusWidget() == m_exit)
                continue; // Space would end the program
            if (const int row = focusedInput(); row >= 0)
                expectInsert(row, ch);
            else if (const int button = focusedButton(); button >= 0 && ch == QStringLiteral(" "))
                expectConversion(button);

            if (ch.size() == 1 && ch[0].unicode() < 0x80)
                QTest::keyClick(handle(), char(ch[0].unicode()));
            else // what an input method delivers: the whole character at once
                QTest::sendKeyEvent(QTest::Click, handle(), Qt::Key_unknown, ch, Qt::NoModifier);

            if (QString problem = mismatch(); !problem.isEmpty())
                return QStringLiteral("after typing '%1': %2").arg(ch, problem);
        }
        return {};
    }

    QString paste(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        if (const int row = focusedInput(); row >= 0)
            expectInsert(row, text);
        return pressKey(Qt::Key_V, Qt::ControlModifier, QStringLiteral("paste \"%1\"").arg(shortened(text)));
    }

    // A long text is pasted, converted, and cleared again if the conversion
    // kept it: every key in a box that holds one costs a full text layout.
    QString pasteLongTextAndConvert()
    {
        if (QString problem = paste(longText()); !problem.isEmpty())
            return problem;
        if (QString problem = pressEnter(); !problem.isEmpty())
            return problem;
        if (const int row = focusedInput(); row >= 0 && m_model[row].input.size() > 1000) {
            if (QString problem = pressKey(Qt::Key_A, Qt::ControlModifier, QStringLiteral("Ctrl+A")); !problem.isEmpty())
                return problem;
            return pressEditKey(Qt::Key_Delete);
        }
        return {};
    }

    QString pressEditKey(Qt::Key key)
    {
        if (const int row = focusedInput(); row >= 0)
            expectErase(row, key);
        return pressKey(key, {}, key == Qt::Key_Backspace ? QStringLiteral("Backspace") : QStringLiteral("Delete"));
    }

    // Return or keypad Enter: a focused Convert button clicks itself; from
    // anywhere else the default button converts if the user can see it.
    QString pressEnter()
    {
        if (QApplication::focusWidget() == m_exit)
            return pressTab(); // Enter would end the program
        if (const int button = focusedButton(); button >= 0)
            expectConversion(button);
        else if (m_lastFocusedInput >= 0 && rowVisible(m_lastFocusedInput))
            expectConversion(m_lastFocusedInput);
        else
            ++m_enterIgnored;
        if (pick(2))
            return pressKey(Qt::Key_Return, {}, QStringLiteral("Return"));
        return pressKey(Qt::Key_Enter, Qt::KeypadModifier, QStringLiteral("keypad Enter"));
    }

    QString pressTab()
    {
        if (pick(3))
            return pressKey(Qt::Key_Tab, {}, QStringLiteral("Tab"));
        return pressKey(Qt::Key_Tab, Qt::ShiftModifier, QStringLiteral("Shift+Tab"));
    }

    // Cursor and selection keys; on a tab strip Left and Right switch pages.
    QString pressMoveKey()
    {
        static const std::array<std::pair<Qt::Key, Qt::KeyboardModifiers>, 7> keys{{
            {Qt::Key_Left, {}},
            {Qt::Key_Right, {}},
            {Qt::Key_Home, {}},
            {Qt::Key_End, {}},
            {Qt::Key_Left, Qt::ShiftModifier},
            {Qt::Key_Home, Qt::ShiftModifier},
            {Qt::Key_A, Qt::ControlModifier},
        }};
        const auto [key, modifiers] = keys[size_t(pick(int(keys.size())))];
        for (int s = 0; s < 3; ++s) {
            if (QApplication::focusWidget() != m_strips[s]->control())
                continue;
            if (key == Qt::Key_Left && m_tabs[s] > 0)
                --m_tabs[s];
            else if (key == Qt::Key_Right && m_tabs[s] < 1)
                ++m_tabs[s];
        }
        return pressKey(key, modifiers, QKeySequence(key | modifiers).toString());
    }

    QString pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString &name)
    {
        log(name);
        QTest::keyClick(handle(), key, modifiers);
        return mismatch();
    }

    QString clickConvert()
    {
        const int row = randomVisibleRow();
        log(QStringLiteral("click Convert of %1").arg(rowName(row)));
        expectConversion(row);
        QTest::mouseClick(m_rows[row].button, Qt::LeftButton);
        return mismatch();
    }

    QString clickInput()
    {
        const int row = randomVisibleRow();
        QLineEdit *box = m_rows[row].input;
        const QPoint where(2 + pick(box->width() - 4), box->height() / 2);
        log(QStringLiteral("click into %1 at x=%2").arg(rowName(row)).arg(where.x()));
        QTest::mouseClick(box, Qt::LeftButton, {}, where);
        return mismatch();
    }

    QString clickTab()
    {
        // The outer strip is always shown; of the inner ones, the current page's.
        const int strip = pick(2) ? 0 : 1 + m_tabs[0];
        const int tab = pick(2);
        log(QStringLiteral("click tab %1 of %2").arg(tab).arg(m_strips[strip]->objectName()));
        m_tabs[strip] = tab;
        QTabBar *bar = m_strips[strip]->control();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        return mismatch();
    }

    QString mismatch()
    {
        const int converted = std::exchange(m_convertedRow, -1);
        if (!m_f.window->isVisible())
            return QStringLiteral("the window is gone");
        if (!m_f.window->isActiveWindow())
            return QStringLiteral("the window is no longer active");

        for (int row = 0; row < m_rows.size(); ++row) {
            const ConverterRow &r = m_rows[row];
            const RowState &want = m_model[row];
            if (r.input->text() != want.input)
                return QStringLiteral("%1 holds \"%2\", expected \"%3\"")
                    .arg(rowName(row), shortened(r.input->text()), shortened(want.input));
            if (r.result->text() != want.caption)
                return QStringLiteral("result of %1 reads \"%2\", expected \"%3\"")
                    .arg(rowName(row), r.result->text(), want.caption);
            if (r.result->toolTip() != want.tip)
                return QStringLiteral("tooltip of %1 reads \"%2\", expected \"%3\"")
                    .arg(rowName(row), r.result->toolTip(), want.tip);
        }

        if (m_f.boxes.size() != m_warnings.size())
            return QStringLiteral("%1 warnings so far, expected %2").arg(m_f.boxes.size()).arg(m_warnings.size());
        for (; m_checkedWarnings < m_warnings.size(); ++m_checkedWarnings) {
            const auto &shown = m_f.boxes[m_checkedWarnings].request;
            const Warning &want = m_warnings[m_checkedWarnings];
            if (shown.prompt != want.prompt || shown.title != want.title || shown.style != forms::Exclamation)
                return QStringLiteral("warning \"%1\" / \"%2\" (style %3), expected \"%4\" / \"%5\"")
                    .arg(shown.prompt, shown.title)
                    .arg(shown.style)
                    .arg(want.prompt, want.title);
        }

        for (int s = 0; s < 3; ++s)
            if (m_strips[s]->tab() != m_tabs[s])
                return QStringLiteral("%1 shows page %2, expected %3").arg(m_strips[s]->objectName()).arg(m_strips[s]->tab()).arg(m_tabs[s]);
        for (int row = 0; row < m_rows.size(); row += 10)
            if (m_rows[row].input->isVisible() != rowVisible(row) || m_rows[row].button->isEnabled() != rowVisible(row))
                return QStringLiteral("the page of %1 is %2").arg(rowName(row), rowVisible(row) ? QStringLiteral("hidden") : QStringLiteral("shown"));

        QPushButton *expectedDefault = m_lastFocusedInput >= 0 ? m_rows[m_lastFocusedInput].button : nullptr;
        QPushButton *actualDefault = platform::DefaultButtonController::of(m_f.window)->defaultButton();
        if (actualDefault != expectedDefault)
            return QStringLiteral("default button %1, expected %2")
                .arg(actualDefault ? actualDefault->objectName() : QStringLiteral("none"),
                     expectedDefault ? expectedDefault->objectName() : QStringLiteral("none"));
        for (const ConverterRow &r : std::as_const(m_rows))
            if (r.button->isDefault() != (r.button == expectedDefault))
                return QStringLiteral("%1 is %2drawn as default").arg(r.button->objectName(), r.button->isDefault() ? QString() : QStringLiteral("not "));

        if (converted >= 0 && QApplication::focusWidget() != m_rows[converted].input) {
            const QWidget *focus = QApplication::focusWidget();
            return QStringLiteral("after converting %1 the focus is on %2")
                .arg(rowName(converted), focus ? focus->objectName() : QStringLiteral("nothing"));
        }
        return {};
    }

    MainWindowFixture &m_f;
    std::mt19937_64 m_random;
    const QString m_separator;
    QList<ConverterRow> m_rows; // pages in order, ten rows each
    QHash<const QWidget *, int> m_inputRow, m_buttonRow;
    std::array<TabStrip *, 3> m_strips{};
    QPushButton *m_exit = nullptr;

    QList<RowState> m_model;
    std::array<int, 3> m_tabs{0, 0, 1}; // the volume strip opens on its second page
    QList<Warning> m_warnings;
    qsizetype m_checkedWarnings = 0;
    int m_lastFocusedInput = -1;
    int m_convertedRow = -1;
    QStringList m_log;
    int m_steps = 0;
    int m_results = 0, m_invalid = 0, m_enterIgnored = 0;
    QObject m_watch; // ends the focus tracking with the session
};

quint64 sessionSeed()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("ORVANTA_MONKEY_SEED").toULongLong(&ok);
    return ok ? seed : DefaultSeed;
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void randomSession_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<quint64>("seed");
        const quint64 seed = sessionSeed();
        QTest::newRow("C locale") << QLocale::c() << QStringLiteral(".") << seed;
        QTest::newRow("German locale") << QLocale(QLocale::German, QLocale::Germany) << QStringLiteral(",") << seed + 1;
    }

    void randomSession()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, separator);
        QFETCH(quint64, seed);
        qInfo("monkey seed %llu (repeat with ORVANTA_MONKEY_SEED=%llu)", seed, sessionSeed());
        QLocale::setDefault(locale);

        MainWindowFixture f;
        QVERIFY(f.ready);
        Session session(f, seed, separator);
        QVERIFY(session.ready());
        for (int step = 1; step <= Steps; ++step) {
            const QString problem = session.step();
            if (!problem.isEmpty())
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2: %3\nlast actions:\n  %4")
                                     .arg(seed).arg(step).arg(problem, session.recent().join(QStringLiteral("\n  ")))));
        }
        qInfo("%s", qPrintable(session.summary()));
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
