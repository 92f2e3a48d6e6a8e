// What a screen reader gets from the main window through Qt's accessibility
// bridge.

#include <QAccessible>
#include <QTabBar>
#include <QTest>

#include "mainwindowfixture.h"
#include "tabstrip.h"

using namespace orvanta;
using orvanta::test::MainWindowFixture;

namespace {

QString accessibleText(QWidget *widget, QAccessible::Text which)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    return iface ? iface->text(which) : QString();
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFocusableControlHasANameAndRole()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        int checked = 0;
        const auto widgets = f.window->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            const bool control = qobject_cast<QLineEdit *>(widget) || qobject_cast<QPushButton *>(widget)
                              || qobject_cast<QTabBar *>(widget);
            if (!control || widget->focusPolicy() == Qt::NoFocus)
                continue;
            QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
            QVERIFY2(iface, qPrintable(widget->objectName()));
            QVERIFY2(!iface->text(QAccessible::Name).isEmpty(), qPrintable(widget->objectName()));
            QVERIFY2(iface->role() != QAccessible::NoRole, qPrintable(widget->objectName()));
            ++checked;
        }
        QCOMPARE(checked, 40 + 40 + 1 + 3); // boxes, buttons, EXIT, strips
    }

    void rowsSayWhatTheyConvert_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("m²") << "Meter3" << "Command3" << "Square meters, row 3" << "Convert row 3 to square feet";
        QTest::newRow("ft²") << "Feet10" << "cmd10" << "Square feet, row 10" << "Convert row 10 to square meters";
        QTest::newRow("m³") << "M1" << "C1" << "Cubic meters, row 1" << "Convert row 1 to cubic feet";
        QTest::newRow("ft³") << "F7" << "D7" << "Cubic feet, row 7" << "Convert row 7 to cubic meters";
    }

    void rowsSayWhatTheyConvert()
    {
        QFETCH(QString, input);
        QFETCH(QString, button);
        QFETCH(QString, name);
        QFETCH(QString, description);
        MainWindowFixture f;
        QVERIFY(f.ready);
        QCOMPARE(accessibleText(f.box(input), QAccessible::Name), name);
        QCOMPARE(accessibleText(f.button(button), QAccessible::Name), QStringLiteral("Convert"));
        QCOMPARE(accessibleText(f.button(button), QAccessible::Description), description);
    }

    void resultIsReadLive()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        f.recordBoxes();
        f.typeInto(QStringLiteral("Meter2"), QStringLiteral("2.5"));
        f.press(Qt::Key_Return);
        QLabel *result = f.label(QStringLiteral("AnsFeet2"));
        QCOMPARE(accessibleText(result, QAccessible::Name), QString::fromUtf8("26.90975 Feet²"));
        QCOMPARE(accessibleText(result, QAccessible::Description), QString::fromUtf8("26.90975 Feet²"));

        // Rejected: the caption empties, the description keeps the last result.
        f.typeInto(QStringLiteral("Meter2"), QStringLiteral("-1"));
        f.press(Qt::Key_Return);
        QCOMPARE(accessibleText(result, QAccessible::Name), QString());
        QCOMPARE(accessibleText(result, QAccessible::Description), QString::fromUtf8("26.90975 Feet²"));
    }

    void stripsAndExitAreNamedByTheirCaptions()
    {
        MainWindowFixture f;
        QVERIFY(f.ready);
        auto *outer = f.find<platform::TabStrip>(QStringLiteral("SSTab1"));
        QCOMPARE(accessibleText(outer->control(), QAccessible::Name), QStringLiteral("Square Meter and Square Feet"));
        outer->setTab(1);
        QCOMPARE(accessibleText(outer->control(), QAccessible::Name), QStringLiteral("Cubic Meter and Cubic Feet"));
        auto *volumes = f.find<platform::TabStrip>(QStringLiteral("SSTab3"));
        QCOMPARE(accessibleText(volumes->control(), QAccessible::Name), QString::fromUtf8("Feet³ to Meter³"));
        QCOMPARE(accessibleText(f.button(QStringLiteral("Command11")), QAccessible::Name), QStringLiteral("EXIT"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
