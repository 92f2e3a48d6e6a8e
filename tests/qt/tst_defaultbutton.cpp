// The default-button mechanics a main window gets from the controller.

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QVBoxLayout>

#include "defaultbutton.h"
#include "forms.h"

using orvanta::platform::DefaultButtonController;

namespace {

struct Window
{
    Window()
    {
        auto *layout = new QVBoxLayout(&widget);
        for (auto *w : {static_cast<QWidget *>(edit), static_cast<QWidget *>(tabs), static_cast<QWidget *>(a),
                        static_cast<QWidget *>(b)})
            layout->addWidget(w);
        tabs->addTab(QStringLiteral("one"));
        tabs->addTab(QStringLiteral("two"));
        tabs->setFocusPolicy(Qt::StrongFocus);
        controller = new DefaultButtonController(&widget);
        widget.show();
        widget.activateWindow();
        ready = QTest::qWaitForWindowActive(&widget);
    }

    QWidget widget;
    QLineEdit *edit = new QLineEdit;
    QTabBar *tabs = new QTabBar;
    QPushButton *a = new QPushButton(QStringLiteral("a"));
    QPushButton *b = new QPushButton(QStringLiteral("b"));
    DefaultButtonController *controller = nullptr;
    bool ready = false;
};

} // namespace

class TestDefaultButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void returnGoesWhereItShould_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("designateA");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("clicksA");
        QTest::addColumn<int>("clicksB");

        QTest::newRow("no default: nothing") << "edit" << false << int(Qt::Key_Return) << 0 << 0 << 0;
        QTest::newRow("line edit: default clicked once") << "edit" << true << int(Qt::Key_Return) << 0 << 1 << 0;
        QTest::newRow("keypad Enter") << "edit" << true << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1 << 0;
        QTest::newRow("Shift+Return is no Return") << "edit" << true << int(Qt::Key_Return) << int(Qt::ShiftModifier) << 0 << 0;
        QTest::newRow("Ctrl+Return is no Return") << "edit" << true << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0 << 0;
        QTest::newRow("tab bar: default clicked") << "tabs" << true << int(Qt::Key_Return) << 0 << 1 << 0;
        QTest::newRow("focused button takes it") << "b" << true << int(Qt::Key_Return) << 0 << 0 << 1;
        QTest::newRow("focused default button once") << "a" << true << int(Qt::Key_Return) << 0 << 1 << 0;
        QTest::newRow("focused button without default") << "b" << false << int(Qt::Key_Enter) << 0 << 0 << 1;
        QTest::newRow("other keys ignored") << "edit" << true << int(Qt::Key_Space) << 0 << 0 << 0;
    }

    void returnGoesWhereItShould()
    {
        QFETCH(QString, focus);
        QFETCH(bool, designateA);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, clicksA);
        QFETCH(int, clicksB);

        Window w;
        QVERIFY(w.ready);
        if (designateA)
            w.controller->setDefaultButton(w.a);
        QWidget *target = focus == QStringLiteral("edit") ? static_cast<QWidget *>(w.edit)
                        : focus == QStringLiteral("tabs") ? static_cast<QWidget *>(w.tabs)
                        : focus == QStringLiteral("a")    ? static_cast<QWidget *>(w.a)
                                                          : static_cast<QWidget *>(w.b);
        target->setFocus();
        QCOMPARE(QApplication::focusWidget(), target);

        QSignalSpy spyA(w.a, &QPushButton::clicked);
        QSignalSpy spyB(w.b, &QPushButton::clicked);
        QTest::keyClick(w.widget.windowHandle(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(spyA.count(), clicksA);
        QCOMPARE(spyB.count(), clicksB);
    }

    void oneDefaultPerWindowAndItSurvivesFocusMoves()
    {
        Window w;
        QVERIFY(w.ready);
        orvanta::forms::SetDefault(w.a);
        QVERIFY(w.a->isDefault());
        orvanta::forms::SetDefault(w.b);
        QVERIFY(!w.a->isDefault());
        QVERIFY(w.b->isDefault());

        // Focus passing through other buttons does not move the designation.
        w.a->setFocus();
        w.edit->setFocus();
        QCOMPARE(w.controller->defaultButton(), w.b);
        QVERIFY(w.b->isDefault());
        QVERIFY(!w.a->isDefault());
    }

    void hiddenOrDisabledDefaultIsNotClicked()
    {
        Window w;
        QVERIFY(w.ready);
        w.controller->setDefaultButton(w.a);
        w.edit->setFocus();
        QSignalSpy spy(w.a, &QPushButton::clicked);
        w.a->setEnabled(false);
        QTest::keyClick(w.widget.windowHandle(), Qt::Key_Return);
        w.a->setEnabled(true);
        w.a->hide();
        QTest::keyClick(w.widget.windowHandle(), Qt::Key_Return);
        QCOMPARE(spy.count(), 0);
    }

    void deletedDefaultIsForgotten()
    {
        Window w;
        QVERIFY(w.ready);
        w.controller->setDefaultButton(w.a);
        delete w.a;
        w.a = nullptr;
        QCOMPARE(w.controller->defaultButton(), nullptr);
        w.edit->setFocus();
        QTest::keyClick(w.widget.windowHandle(), Qt::Key_Return); // must not crash
    }
};

QTEST_MAIN(TestDefaultButton)
#include "tst_defaultbutton.moc"
