// The windows under a high-DPI scale factor (QT_SCALE_FACTOR, set per test
// run): the twips design stays in device-independent pixels, and the windows
// paint at the screen's full resolution instead of a stretched 1x picture.

#include <memory>

#include <QAction>
#include <QTest>
#include <QtMath>

#include "aboutbox.h"
#include "aboutinstance.h"
#include "converterpage.h"
#include "mainwindowfixture.h"
#include "twips.h"

using namespace orvanta;
using orvanta::test::MainWindowFixture;

namespace {

// The factor this run was started with; 1 when none is set.
qreal requestedFactor()
{
    const QByteArray text = qgetenv("QT_SCALE_FACTOR");
    if (text.isEmpty())
        return 1.0;
    bool ok = false;
    const qreal factor = text.toDouble(&ok);
    return ok ? factor : 0.0;
}

// The main window and the About box opened from its Help menu.
struct Windows
{
    Windows() { f.window->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger(); }
    AboutBox *box() const { return f.program->aboutBox(); }

    MainWindowFixture f;
};

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_factor = requestedFactor();
        QVERIFY2(m_factor > 0, "QT_SCALE_FACTOR is not a number");
        m_windows = std::make_unique<Windows>();
        QVERIFY(m_windows->f.ready);
        QVERIFY(m_windows->box());
        QVERIFY(QTest::qWaitForWindowExposed(m_windows->box()));
    }

    void cleanupTestCase() { m_windows.reset(); }

    void windowsDrawAtTheScaleFactor_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSize>("client");
        QTest::newRow("main window") << QStringLiteral("Main") << QSize(652, 489);
        QTest::newRow("About box") << QStringLiteral("frmAbout") << QSize(348, 170);
    }

    void windowsDrawAtTheScaleFactor()
    {
        QFETCH(QString, window);
        QFETCH(QSize, client);
        QWidget *w = topLevel(window);
        QVERIFY(w);
        const QWidget *area = window == QStringLiteral("Main") ? m_windows->f.window->centralWidget() : w;
        QCOMPARE(area->size(), client);

        QCOMPARE(w->devicePixelRatio(), m_factor);
        QCOMPARE(w->windowHandle()->devicePixelRatio(), m_factor);

        const QPixmap shot = w->grab();
        QCOMPARE(shot.devicePixelRatio(), m_factor);
        QCOMPARE(shot.size(), (QSizeF(w->size()) * m_factor).toSize());
        QCOMPARE(shot.deviceIndependentSize().toSize(), w->size());
    }

    void controlsKeepTheirTwipsGeometry_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        const QString main = QStringLiteral("Main");
        const QString about = QStringLiteral("frmAbout");
        QTest::newRow("outer strip") << main << "SSTab1" << QRect(120, 240, 9495, 6375);
        QTest::newRow("volume strip") << main << "SSTab3" << QRect(240, 720, 9015, 5175);
        QTest::newRow("EXIT") << main << "Command11" << QRect(7680, 6720, 1695, 495);
        QTest::newRow("first m² box") << main << "Meter1" << QRect(600, 1080, 2055, 375);
        QTest::newRow("tenth ft² result") << main << "AnsMet10" << QRect(4560, 4320, 4215, 375);
        QTest::newRow("m³ button, shifted left") << main << "C4" << QRect(2640, 2160, 1575, 375);
        QTest::newRow("About picture") << about << "Image1" << QRect(0, 0, 2550, 2550);
        QTest::newRow("About web address") << about << "Label3" << QRect(2760, 720, 2415, 255);
        QTest::newRow("About OK") << about << "Command1" << QRect(3480, 1920, 1095, 495);
    }

    void controlsKeepTheirTwipsGeometry()
    {
        QFETCH(QString, window);
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        const QWidget *control = topLevel(window)->findChild<QWidget *>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), platform::TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    }

    // Rows are 375 twips high at a 360-twip pitch: each overlaps the one
    // above by one logical pixel, however many device pixels that is.
    void neighbouringRowsOverlapByOnePixel()
    {
        for (const auto &page : m_windows->f.window->pages()) {
            const auto &rows = page->rows();
            for (std::size_t i = 1; i < rows.size(); ++i) {
                const ConverterRow &above = rows[i - 1];
                const ConverterRow &below = rows[i];
                const std::pair<const QWidget *, const QWidget *> pairs[] = {
                    {above.input, below.input}, {above.button, below.button}, {above.result, below.result}};
                for (const auto &[upper, lower] : pairs) {
                    const QRect a = upper->geometry();
                    const QRect b = lower->geometry();
                    QVERIFY2(a.bottom() + 1 - b.top() == 1, qPrintable(lower->objectName()));
                    QCOMPARE(a.height(), b.height());
                }
            }
        }
    }

    // The About box's 5-pixel line is painted at device resolution: it
    // covers the device pixels under its logical position and no more.
    void aboutLineCoversItsDevicePixels()
    {
        AboutBox *box = m_windows->box();
        const QImage shot = box->grab().toImage();
        const QColor back = box->palette().window().color();
        const auto notXor = [](int p, int d) { return ~(p ^ d) & 0xff; };
        const QColor pen(0, 128, 0);
        const QColor inverted(notXor(pen.red(), back.red()), notXor(pen.green(), back.green()),
                              notXor(pen.blue(), back.blue()));
        const auto device = [this](double logical) { return qFloor(logical * m_factor); };
        const int x = platform::Twips(2640);
        for (double y : {0.5, 84.5, platform::Twips(2520) - 0.5}) {
            QCOMPARE(shot.pixelColor(device(x), device(y)), inverted);
            QCOMPARE(shot.pixelColor(device(x - 2), device(y)), inverted);
            QCOMPARE(shot.pixelColor(device(x + 2), device(y)), inverted);
            QCOMPARE(shot.pixelColor(device(x + 4), device(y)), back);
            QCOMPARE(shot.pixelColor(device(x - 4), device(y)), back);
        }
    }

private:
    QWidget *topLevel(const QString &name) const
    {
        if (name == QStringLiteral("Main"))
            return m_windows->f.window;
        return m_windows->box();
    }

    qreal m_factor = 1.0;
    std::unique_ptr<Windows> m_windows;
};

QTEST_MAIN(TestHighDpi)
#include "tst_hidpi.moc"
