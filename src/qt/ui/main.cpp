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
#include "maindesign.h"
#include "mainhandlers.h"
#include "tabstrip.h"
#include "twips.h"
#include "utf8.h"

namespace orvanta {
namespace {

using platform::FromUtf8;
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

TabStrip *makeStrip(const StripDesign &design, QWidget *parent)
{
    auto *strip = new TabStrip(parent);
    strip->setObjectName(FromUtf8(design.name));
    strip->setGeometry(TwipsRect(design.rect));
    strip->setTabHeight(platform::Twips(TabHeightTwips));
    return strip;
}

QKeySequence shortcutOf(ShortcutKey key)
{
    switch (key) {
    case ShortcutKey::CtrlQ:
        return QKeySequence(Qt::CTRL | Qt::Key_Q);
    case ShortcutKey::F2:
        return QKeySequence(Qt::Key_F2);
    }
    return {};
}

} // namespace

Main::Main(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(FromUtf8(MainWindowDesign.name));
    setWindowTitle(FromUtf8(MainWindowDesign.caption));
    new platform::DefaultButtonController(this);

    createMenus();

    auto *client = new Backdrop(this, platform::TwipsSize(MainWindowDesign.clientWidth, MainWindowDesign.clientHeight));
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    createTabStrips(client);

    const forms::ControlDesign exit = ExitButtonDesign();
    m_command11 = new QPushButton(FromUtf8(exit.caption), client);
    m_command11->setObjectName(FromUtf8(exit.name));
    m_command11->setAutoDefault(false);
    m_command11->setFont(platform::DesignFont(exit.font));
    m_command11->setGeometry(TwipsRect(exit.rect));
    connect(m_command11, &QPushButton::clicked, this, [] { Command11_Click(); });

    setTabOrder();
    Form_Load({m_sstab1, m_sstab2});
    m_sstab1->tabBar()->setFocus(Qt::OtherFocusReason);
}

void Main::createMenus()
{
    for (const MenuDesign &design : MainMenus) {
        QMenu *menu = menuBar()->addMenu(FromUtf8(design.menuCaption));
        menu->setObjectName(FromUtf8(design.menuName));
        QAction *item = menu->addAction(FromUtf8(design.itemCaption));
        item->setObjectName(FromUtf8(design.itemName));
        item->setShortcut(shortcutOf(design.shortcut));
        switch (design.command) {
        case MenuCommand::Exit:
            connect(item, &QAction::triggered, this, [] { mnuExit_Click(); });
            break;
        case MenuCommand::About:
            connect(item, &QAction::triggered, this, &Main::aboutRequested);
            break;
        }
    }
}

void Main::createTabStrips(QWidget *client)
{
    m_sstab1 = makeStrip(SSTab1Design, client);

    auto *areas = new QWidget;
    m_sstab1->addPage(areas, FromUtf8(SSTab1Design.captions[0]));
    m_sstab2 = makeStrip(SSTab2Design, areas);

    auto *volumes = new QWidget;
    m_sstab1->addPage(volumes, FromUtf8(SSTab1Design.captions[1]));
    m_sstab3 = makeStrip(SSTab3Design, volumes);

    for (const PagePlacement &placement : MainPages) {
        TabStrip *strip = placement.strip == &SSTab2Design ? m_sstab2 : m_sstab3;
        auto *page = new ConverterPage(*placement.design);
        strip->addPage(page, FromUtf8(placement.strip->captions[std::size_t(placement.page)]));
        m_pages.append(page);
    }
    m_sstab3->setTab(SSTab3Design.designedTab);
}

void Main::setTabOrder()
{
    QList<QWidget *> order;
    for (const std::string &name : MainTabOrder()) {
        auto *control = findChild<QWidget *>(FromUtf8(name));
        Q_ASSERT_X(control, "setTabOrder", name.c_str());
        // A strip takes the focus on its tab bar.
        if (auto *strip = qobject_cast<TabStrip *>(control))
            control = strip->tabBar();
        order << control;
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Main::centre()
{
    platform::CentreOnScreen(this);
}

void Main::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT closed();
}

} // namespace orvanta
