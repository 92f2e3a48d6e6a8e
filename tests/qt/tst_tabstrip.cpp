// The tab strip's pages: one current page, the others hidden and inert.

#include <QLineEdit>
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
        // 10, 10, 400 x 300 pixels with tabs 35 high.
        auto *strip = new TabStrip(&window, {150, 150, 6000, 4500}, 525, {"page 0", "page 1", "page 2"});
        QLineEdit *boxes[3];
        for (int i = 0; i < 3; ++i) {
            boxes[i] = new QLineEdit(strip->page(i));
            boxes[i]->setGeometry(40, 60 + i, 100, 20);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        int changes = 0;
        strip->onPageSwitched([&changes] { ++changes; });
        const struct { int select; } steps[] = {{0}, {2}, {1}, {0}};
        for (const auto &step : steps) {
            strip->setTab(step.select);
            QCOMPARE(strip->tab(), step.select);
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(boxes[i]->isVisible(), i == step.select);
                QCOMPARE(boxes[i]->isEnabled(), i == step.select);
            }
        }
        QCOMPARE(changes, 3); // selecting the current page again is no change

        // Controls sit relative to the strip's own corner, tabs included.
        QCOMPARE(boxes[0]->mapTo(strip, QPoint(0, 0)), QPoint(40, 60));
        QCOMPARE(strip->control()->height(), 35);
    }

    void tabsShareTheWidthAndSwitchOnClick()
    {
        QWidget window;
        // 600 x 300 pixels with tabs 35 high.
        auto *strip =
            new TabStrip(&window, {0, 0, 9000, 4500}, 525, {"Square Meter and Square Feet", "Cubic Meter and Cubic Feet"});
        auto *first = new QLineEdit(strip->page(0));
        auto *second = new QLineEdit(strip->page(1));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QTabBar *bar = strip->control();
        QCOMPARE(bar->tabRect(0).width(), 300);
        QCOMPARE(bar->tabRect(1).height(), 35);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
        QCOMPARE(strip->tab(), 1);
        QVERIFY(second->isVisible());
        QVERIFY(!first->isVisible());
    }

    void contentSurvivesSwitching()
    {
        TabStrip strip(nullptr, {0, 0, 3000, 3000}, 525, {"a", "b"});
        auto *a = new QLineEdit(strip.page(0));
        new QLineEdit(strip.page(1));
        a->setText(QStringLiteral("typed"));
        for (int i = 0; i < 5; ++i)
            strip.setTab(i % 2);
        QCOMPARE(a->text(), QStringLiteral("typed"));
    }
};

QTEST_MAIN(TestTabStrip)
#include "tst_tabstrip.moc"
