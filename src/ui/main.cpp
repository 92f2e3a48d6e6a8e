#include "main.h"

#include <future>

#include <QCloseEvent>
#include <QImageReader>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>

#include "centre.h"
#include "converterpage.h"
#include "defaultbutton.h"
#include "fonts.h"
#include "formsruntime.h"
#include "tabstrip.h"
#include "twips.h"

namespace orvanta {
namespace {

using platform::TabStrip;
using platform::TwipsRect;

// The client area: the pastel picture at its natural size from the top-left
// corner, cut off where the window ends.
class Backdrop final : public QWidget
{
public:
    Backdrop(QWidget *parent, const QSize &size)
        : QWidget(parent)
        // Decoding the progressive JPEG is the largest single cost of start-up:
        // it runs on another thread while the rest of the window is built.
        , m_decoding(std::async(std::launch::async, [size] { return decodeVisiblePart(size); }))
    {
        setFixedSize(size);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_decoding.valid())
            m_picture = QPixmap::fromImage(m_decoding.get());
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        painter.drawPixmap(0, 0, m_picture);
    }

private:
    // Only the top-left part is ever seen: decoding just that keeps less than
    // half of the 1024x768 picture in memory.
    static QImage decodeVisiblePart(const QSize &size)
    {
        QImageReader reader(QStringLiteral(":/images/background.jpg"));
        reader.setClipRect(QRect(QPoint(), size).intersected(QRect(QPoint(), reader.size())));
        return reader.read();
    }

    std::future<QImage> m_decoding;
    QPixmap m_picture;
};

TabStrip *makeStrip(const char *name, QWidget *parent, const QRect &geometry)
{
    auto *strip = new TabStrip(parent);
    strip->setObjectName(QString::fromLatin1(name));
    strip->setGeometry(geometry);
    strip->setTabHeight(platform::Twips(520));
    return strip;
}

} // namespace

Main::Main(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(QStringLiteral("Orvanta - @Tiso"));
    new platform::DefaultButtonController(this);

    createMenus();

    auto *client = new Backdrop(this, platform::TwipsSize(9780, 7335));
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    createTabStrips(client);

    m_command11 = new QPushButton(QStringLiteral("EXIT"), client);
    m_command11->setObjectName(QStringLiteral("Command11"));
    m_command11->setAutoDefault(false);
    m_command11->setFont(platform::DesignFont(QStringLiteral("Algerian"), 14.25));
    m_command11->setGeometry(TwipsRect(7680, 6720, 1695, 495));
    connect(m_command11, &QPushButton::clicked, this, &Main::Command11_Click);

    setTabOrder();
    Form_Load();
    m_sstab1->tabBar()->setFocus(Qt::OtherFocusReason);
}

void Main::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &Main::mnuExit_Click);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction *about = help->addAction(QStringLiteral("A&bout"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    about->setShortcut(QKeySequence(Qt::Key_F2));
    connect(about, &QAction::triggered, this, &Main::aboutRequested);
}

void Main::createTabStrips(QWidget *client)
{
    m_sstab1 = makeStrip("SSTab1", client, TwipsRect(120, 240, 9495, 6375));
    const QRect inner = TwipsRect(240, 720, 9015, 5175);

    auto *areas = new QWidget;
    m_sstab1->addPage(areas, QStringLiteral("Square Meter and Square Feet"));
    m_sstab2 = makeStrip("SSTab2", areas, inner);

    auto *volumes = new QWidget;
    m_sstab1->addPage(volumes, QStringLiteral("Cubic Meter and Cubic Feet"));
    m_sstab3 = makeStrip("SSTab3", volumes, inner);

    const std::pair<TabStrip *, const PageDesign *> pages[] = {
        {m_sstab2, &MeterSqPage}, {m_sstab2, &FeetSqPage}, {m_sstab3, &MeterCuPage}, {m_sstab3, &FeetCuPage}};
    for (const auto &[strip, design] : pages) {
        auto *page = new ConverterPage(*design);
        strip->addPage(page, QString::fromUtf8(design->tabCaption));
        m_pages.append(page);
    }
    // As designed, the volume strip opens on "Feet³ to Meter³".
    m_sstab3->setTab(1);
}

void Main::setTabOrder()
{
    // Strips first, each followed by its pages; the volume pages come Feet³
    // before Meter³; EXIT last.
    QList<QWidget *> order{m_sstab1->tabBar(), m_sstab2->tabBar()};
    order << m_pages[0]->tabOrder() << m_pages[1]->tabOrder();
    order << m_sstab3->tabBar();
    order << m_pages[3]->tabOrder() << m_pages[2]->tabOrder();
    order << m_command11;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Main::centre()
{
    platform::CentreOnScreen(this);
}

void Main::Form_Load()
{
    platform::SetTab(m_sstab1, 0);
    platform::SetTab(m_sstab2, 0);
}

void Main::mnuExit_Click()
{
    platform::End();
}

void Main::Command11_Click()
{
    platform::End();
}

void Main::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}

} // namespace orvanta
