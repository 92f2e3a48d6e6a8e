// The convert action of a row, driven through the real window.

#include <algorithm>

#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QMessageBox>
#include <QApplication>

#include "converterpage.h"
#include "defaultbutton.h"
#include "mainwindowfixture.h"
#include "tabstrip.h"

using namespace orvanta;
using orvanta::test::MainWindowFixture;

namespace {

struct RowSnapshot
{
    QString input, caption, tip;
    bool operator==(const RowSnapshot &) const = default;
};

QList<RowSnapshot> snapshot(const Main &window)
{
    QList<RowSnapshot> rows;
    for (const auto &page : window.pages())
        for (const ConverterRow &row : page->rows())
            rows.append({row.input->text(), row.result->text(), row.result->toolTip()});
    return rows;
}

// Shows the page that holds the named input box.
void showPageOf(MainWindowFixture &f, const QString &input)
{
    for (int p = 0; p < int(f.window->pages().size()); ++p) {
        const auto &rows = f.window->pages()[std::size_t(p)]->rows();
        if (std::none_of(rows.begin(), rows.end(), [&](const ConverterRow &row) { return row.input->objectName() == input; }))
            continue;
        f.find<platform::TabStrip>(QStringLiteral("SSTab1"))->setTab(p / 2);
        f.find<platform::TabStrip>(p < 2 ? QStringLiteral("SSTab2") : QStringLiteral("SSTab3"))->setTab(p % 2);
    }
}

} // namespace

class TestConvertRow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }

    void convertsIntoCaptionAndTooltip_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");

        QTest::newRow("m² plain rule") << "Meter3" << "Command3" << "AnsFeet3" << "2.5" << QString::fromUtf8("26.90975 Feet²");
        QTest::newRow("ft² pattern, no leading zero") << "Feet1" << "cmd1" << "AnsMet1" << "1" << QString::fromUtf8(".0929 Meter²");
        QTest::newRow("ft² long integer part") << "Feet10" << "cmd10" << "AnsMet10" << "1000000" << QString::fromUtf8("92900.0000 Meter²");
        QTest::newRow("m³ rounding noise hidden") << "M1" << "C1" << "A1" << "0.1" << QString::fromUtf8("3.528 Feet³");
        QTest::newRow("ft³ two decimals") << "F7" << "D7" << "S7" << "1000" << QString::fromUtf8("28.34 Meter³");
        QTest::newRow("ft³ valid input, zero result") << "F2" << "D2" << "S2" << "0.1" << QString::fromUtf8(".00 Meter³");
        QTest::newRow("ignored characters kept in box") << "M10" << "C10" << "A10" << " 2 5 m3" << QString::fromUtf8("882 Feet³");
    }

    void convertsIntoCaptionAndTooltip()
    {
        QFETCH(QString, input);
        QFETCH(QString, button);
        QFETCH(QString, result);
        QFETCH(QString, typed);
        QFETCH(QString, expected);

        MainWindowFixture f;
        QVERIFY(f.ready);
        f.recordBoxes();
        showPageOf(f, input);
        f.typeInto(input, typed);
        QTest::mouseClick(f.button(button), Qt::LeftButton);

        QVERIFY(f.boxes.isEmpty());
        QCOMPARE(f.label(result)->text(), expected);
        QCOMPARE(f.label(result)->toolTip(), expected);
        QCOMPARE(f.box(input)->text(), typed);
        QCOMPARE(QApplication::focusWidget(), f.box(input));
    }

    void secondConversionReplacesTheFirst()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.typeInto(QStringLiteral("Meter1"), QStringLiteral("1"));
        QTest::mouseClick(f.button(QStringLiteral("Command1")), Qt::LeftButton);
        f.typeInto(QStringLiteral("Meter1"), QStringLiteral("100"));
        QTest::mouseClick(f.button(QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(f.label(QStringLiteral("AnsFeet1"))->text(), QString::fromUtf8("1076.39 Feet²"));
        QCOMPARE(f.label(QStringLiteral("AnsFeet1"))->toolTip(), QString::fromUtf8("1076.39 Feet²"));
    }

    void rejectedTextWarnsThenClearsRow_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << QString();
        QTest::newRow("zero") << QStringLiteral("0");
        QTest::newRow("negative zero") << QStringLiteral("-0");
        QTest::newRow("negative") << QStringLiteral("-5");
        QTest::newRow("no leading number") << QStringLiteral("abc");
        QTest::newRow("currency first") << QStringLiteral("$5");
        QTest::newRow("hex minus one") << QStringLiteral("&HFFFF");
    }

    void rejectedTextWarnsThenClearsRow()
    {
        QFETCH(QString, typed);
        MainWindowFixture f;
        QVERIFY(f.ready);

        // A good conversion first: its tooltip must survive the rejection.
        f.typeInto(QStringLiteral("Meter4"), QStringLiteral("1"));
        QTest::mouseClick(f.button(QStringLiteral("Command4")), Qt::LeftButton);
        const QString earlier = QString::fromUtf8("10.7639 Feet²");

        f.recordBoxes(QStringLiteral("Meter4"), QStringLiteral("AnsFeet4"));
        f.typeInto(QStringLiteral("Meter4"), typed);
        QTest::mouseClick(f.button(QStringLiteral("Command4")), Qt::LeftButton);

        QCOMPARE(f.boxes.size(), 1);
        const auto &box = f.boxes.first();
        QCOMPARE(box.request.prompt, QStringLiteral("The Number is invalid or less than Zero"));
        QCOMPARE(box.request.title, QStringLiteral("Invalid Number"));
        QCOMPARE(box.request.style, 48);
        // Warned before anything was cleared.
        QCOMPARE(box.inputWhileOpen, typed);
        QCOMPARE(box.captionWhileOpen, earlier);

        QCOMPARE(f.box(QStringLiteral("Meter4"))->text(), QString());
        QCOMPARE(f.label(QStringLiteral("AnsFeet4"))->text(), QString());
        QCOMPARE(f.label(QStringLiteral("AnsFeet4"))->toolTip(), earlier);
        QCOMPARE(QApplication::focusWidget(), f.box(QStringLiteral("Meter4")));
    }

    void overflowWarnsAndKeepsTheInput_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("result");
        QTest::newRow("m² to ft²") << "Meter2" << "Command2" << "AnsFeet2";
        QTest::newRow("m³ to ft³") << "M5" << "C5" << "A5";
    }

    void overflowWarnsAndKeepsTheInput()
    {
        QFETCH(QString, input);
        QFETCH(QString, button);
        QFETCH(QString, result);
        MainWindowFixture f;
        QVERIFY(f.ready);
        showPageOf(f, input);

        f.typeInto(input, QStringLiteral("2"));
        QTest::mouseClick(f.button(button), Qt::LeftButton);
        const QString earlier = f.label(result)->toolTip();
        QVERIFY(!earlier.isEmpty());

        const auto before = snapshot(*f.window);
        f.recordBoxes(input, result);
        f.typeInto(input, QStringLiteral("1e308"));
        QTest::mouseClick(f.button(button), Qt::LeftButton);

        QCOMPARE(f.boxes.size(), 1);
        QCOMPARE(f.boxes.first().request.prompt, QStringLiteral("The Number is too large to convert"));
        QCOMPARE(f.boxes.first().request.title, QStringLiteral("Overflow"));
        QCOMPARE(f.boxes.first().request.style, 48);
        QCOMPARE(f.box(input)->text(), QStringLiteral("1e308"));
        QCOMPARE(f.label(result)->text(), QString());
        QCOMPARE(f.label(result)->toolTip(), earlier);
        QCOMPARE(QApplication::focusWidget(), f.box(input));

        // Nothing but this row's caption changed.
        auto after = snapshot(*f.window);
        auto expected = before;
        for (int i = 0; i < expected.size(); ++i) {
            if (after[i].input == QStringLiteral("1e308")) {
                expected[i].input = after[i].input;
                expected[i].caption.clear();
            }
        }
        QVERIFY(after == expected);
    }

    void intoMetersDoesNotOverflow()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.recordBoxes();
        showPageOf(f, QStringLiteral("F1"));
        f.typeInto(QStringLiteral("F1"), QStringLiteral("1e308"));
        QTest::mouseClick(f.button(QStringLiteral("D1")), Qt::LeftButton);
        QVERIFY(f.boxes.isEmpty());
        QVERIFY(f.label(QStringLiteral("S1"))->text().endsWith(QString::fromUtf8(".00 Meter³")));
        QVERIFY(f.label(QStringLiteral("S1"))->text().startsWith(QStringLiteral("2834467")));
    }

    void touchesNoOtherRow()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.recordBoxes();
        // Fill every row so that a stray write anywhere shows.
        for (const auto &page : f.window->pages())
            for (const ConverterRow &row : page->rows()) {
                row.input->setText(QString::number(row.number));
                row.result->setText(QStringLiteral("kept"));
                row.result->setToolTip(QStringLiteral("kept"));
            }
        const auto before = snapshot(*f.window);
        f.typeInto(QStringLiteral("Meter3"), QStringLiteral("7"));
        QTest::mouseClick(f.button(QStringLiteral("Command3")), Qt::LeftButton);
        f.typeInto(QStringLiteral("Meter5"), QStringLiteral("x"));
        QTest::mouseClick(f.button(QStringLiteral("Command5")), Qt::LeftButton);

        const auto after = snapshot(*f.window);
        for (int i = 0; i < before.size(); ++i) {
            if (i == 2 || i == 4)
                continue; // Meter3 and Meter5 themselves
            QVERIFY2(after[i] == before[i], qPrintable(QStringLiteral("row %1 changed").arg(i)));
        }
        QCOMPARE(after[2].caption, QString::fromUtf8("75.3473 Feet²"));
        QCOMPARE(after[4].input, QString());
    }

    void writesWithTheLocaleSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.typeInto(QStringLiteral("Meter1"), QStringLiteral("2.5"));
        QTest::mouseClick(f.button(QStringLiteral("Command1")), Qt::LeftButton);
        f.typeInto(QStringLiteral("Meter2"), QStringLiteral("2,5"));
        QTest::mouseClick(f.button(QStringLiteral("Command2")), Qt::LeftButton);
        QCOMPARE(f.label(QStringLiteral("AnsFeet1"))->text(), QString::fromUtf8("26,90975 Feet²"));
        // "2,5" reads as 2: input always takes "." as its decimal point.
        QCOMPARE(f.label(QStringLiteral("AnsFeet2"))->text(), QString::fromUtf8("21,5278 Feet²"));
    }

    // A window manager may leave no window active after a modal box; the
    // row's box must still get the focus, and with it the default button.
    void focusReturnsToTheBoxFromAnInactiveWindow()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.box(QStringLiteral("Meter2"))->setText(QStringLiteral("3"));
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QVERIFY(!f.window->isActiveWindow());

        QTest::mouseClick(f.button(QStringLiteral("Command2")), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(f.window));
        QCOMPARE(QApplication::focusWidget(), f.box(QStringLiteral("Meter2")));
        QCOMPARE(platform::DefaultButtonController::of(f.window)->defaultButton(), f.button(QStringLiteral("Command2")));
    }

    // The real modal box, answered the way a user would.
    void realWarningBoxIsModalWithWarningIcon()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.typeInto(QStringLiteral("Meter1"), QStringLiteral("abc"));

        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        int buttons = 0;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll.stop();
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = int(box->buttons().size());
            QTest::keyClick(box, Qt::Key_Return);
        });
        poll.start();
        QTest::mouseClick(f.button(QStringLiteral("Command1")), Qt::LeftButton);

        QCOMPARE(title, QStringLiteral("Invalid Number"));
        QCOMPARE(text, QStringLiteral("The Number is invalid or less than Zero"));
        QCOMPARE(icon, QMessageBox::Warning);
        QCOMPARE(buttons, 1);
        QCOMPARE(f.box(QStringLiteral("Meter1"))->text(), QString());
    }
};

QTEST_MAIN(TestConvertRow)
#include "tst_convertrow.moc"
