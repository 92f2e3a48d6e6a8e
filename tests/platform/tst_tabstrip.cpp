// The tab strip's pages: one current page, the others hidden and inert.

#include <QLineEdit>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include "tabstrip.h"

using orvanta::platform::TabStrip;

class TestTabStrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void onlyTheCurrentPageIsShownAndEnabled()
    {
        QWidget window;
        auto *strip = new TabStrip(&window);
        strip->setGeometry(10, 10, 400, 300);
        strip->setTabHeight(35);
        QLineEdit *boxes[3];
        for (int i = 0; i < 3; ++i) {
            auto *page = new QWidget;
            boxes[i] = new QLineEdit(page);
            boxes[i]->setGeometry(40, 60 + i, 100, 20);
            strip->addPage(page, QStringLiteral("page %1").arg(i));
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QSignalSpy changed(strip, &TabStrip::currentChanged);
        const struct { int select; } steps[] = {{0}, {2}, {1}, {0}};
        for (const auto &step : steps) {
            strip->setTab(step.select);
            QCOMPARE(strip->tab(), step.select);
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(boxes[i]->isVisible(), i == step.select);
                QCOMPARE(boxes[i]->isEnabled(), i == step.select);
            }
        }
        QCOMPARE(changed.count(), 3); // selecting the current page again is no change

        // Controls sit relative to the strip's own corner, tabs included.
        QCOMPARE(boxes[0]->mapTo(strip, QPoint(0, 0)), QPoint(40, 60));
        QCOMPARE(strip->tabBar()->height(), 35);
    }

    void tabsShareTheWidthAndSwitchOnClick()
    {
        QWidget window;
        auto *strip = new TabStrip(&window);
        strip->setGeometry(0, 0, 600, 300);
        strip->setTabHeight(35);
        auto *first = new QLineEdit;
        auto *second = new QLineEdit;
        strip->addPage(first, QStringLiteral("Square Meter and Square Feet"));
        strip->addPage(second, QStringLiteral("Cubic Meter and Cubic Feet"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTabBar *bar = strip->tabBar();
        QCOMPARE(bar->tabRect(0).width(), 300);
        QCOMPARE(bar->tabRect(1).height(), 35);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(strip->tab(), 1);
        QVERIFY(second->isVisible());
        QVERIFY(!first->isVisible());
    }

    void contentSurvivesSwitching()
    {
        TabStrip strip;
        auto *a = new QLineEdit;
        auto *b = new QLineEdit;
        strip.addPage(a, QStringLiteral("a"));
        strip.addPage(b, QStringLiteral("b"));
        a->setText(QStringLiteral("typed"));
        for (int i = 0; i < 5; ++i)
            strip.setTab(i % 2);
        QCOMPARE(a->text(), QStringLiteral("typed"));
    }
};

QTEST_MAIN(TestTabStrip)
#include "tst_tabstrip.moc"
