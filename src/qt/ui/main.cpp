#include "main.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTabBar>

#include "centre.h"
#include "converterpage.h"
#include "defaultbutton.h"
#include "mainevents.h"
#include "mainhandlers.h"
#include "picture.h"
#include "resources.h"
#include "tabstrip.h"
#include "twips.h"
#include "utf8.h"

namespace orvanta {
namespace {

using platform::FromUtf8;
using platform::TabStrip;

// The client area: the pastel picture at its natural size from the top-left
// corner, cut off where the window ends. Only the parts of it that can show
// are kept.
class Backdrop final : public QWidget
{
public:
    Backdrop(QWidget *parent, const QSize &size)
        : QWidget(parent)
    {
        setFixedSize(size);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_pictureTaken) {
            m_picture = platform::DecodedPicture(MainWindowDesign.background, forms::BackgroundParts(MainWindowDesign));
            m_pictureTaken = true;
        }
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        for (const platform::PicturePart &part : m_picture)
            painter.drawImage(part.at, part.image);
    }

private:
    std::vector<platform::PicturePart> m_picture;
    bool m_pictureTaken = false;
};

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

void Main::StartDecodingBackground()
{
    platform::StartDecoding(MainWindowDesign.background, forms::BackgroundParts(MainWindowDesign));
}

Main::Main(MainEvents &events)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                               | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , m_events(events)
    , m_controls(this)
{
    setObjectName(FromUtf8(MainWindowDesign.name));
    setWindowTitle(FromUtf8(MainWindowDesign.caption));
    setWindowIcon(QIcon(platform::ResourcePath(MainWindowDesign.icon)));
    new platform::DefaultButtonController(this);

    createMenus();

    auto *client = new Backdrop(this, platform::TwipsSize(MainWindowDesign.clientWidth, MainWindowDesign.clientHeight));
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    createTabStrips(client);
    createPages();
    m_controls.onClick(m_controls.createCommandButton(ExitButtonDesign(), client), [] { Command11_Click(); });

    setTabOrder();
    Form_Load({strip(SSTab1Design), strip(SSTab2Design)});
    strip(SSTab1Design)->control()->setFocus(Qt::OtherFocusReason);
}

Main::~Main() = default;

void Main::createMenus()
{
    for (const MenuDesign &design : MainMenus) {
        QMenu *menu = menuBar()->addMenu(FromUtf8(design.menuCaption));
        menu->setObjectName(FromUtf8(design.menuName));
        QAction *item = menu->addAction(FromUtf8(design.itemCaption));
        item->setObjectName(FromUtf8(design.itemName));
        item->setShortcut(shortcutOf(design.shortcut));
        const MenuCommand command = design.command;
        connect(item, &QAction::triggered, this, [this, command] { m_events.menuChosen(command); });
    }
}

void Main::createTabStrips(QWidget *client)
{
    for (std::size_t i = 0; i < MainStrips.size(); ++i) {
        const StripDesign &design = *MainStrips[i];
        QWidget *parent = design.parent.empty() ? client : strip(design.parent)->page(design.parentPage);
        auto *made = new TabStrip(parent, design.rect, TabHeightTwips,
                                 std::vector<std::string_view>(design.captions.begin(), design.captions.end()));
        made->setObjectName(FromUtf8(design.name));
        made->setTab(design.designedTab);
        m_strips[i] = made;
    }
}

void Main::createPages()
{
    for (const PagePlacement &placement : MainPages) {
        QWidget *page = strip(*placement.strip)->page(placement.page);
        m_pages.push_back(std::make_unique<ConverterPage>(*placement.design, page, m_controls));
    }
}

TabStrip *Main::strip(std::string_view name) const
{
    return m_strips.at(StripIndex(name));
}

TabStrip *Main::strip(const StripDesign &design) const
{
    return strip(design.name);
}

void Main::setTabOrder()
{
    QList<QWidget *> order;
    for (const std::string &name : MainTabOrder()) {
        QWidget *control = m_controls.find(name);
        Q_ASSERT_X(control, "setTabOrder", name.c_str());
        // A strip takes the focus on its tab bar.
        if (auto *strip = qobject_cast<TabStrip *>(control))
            control = strip->control();
        order << control;
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Main::centre()
{
    platform::CentreOnScreen(this);
}

void Main::show()
{
    QMainWindow::show();
    // The frame is known once the window is shown; centre it with its frame.
    centre();
    // Without a window manager nothing activates a new window by itself.
    activateWindow();
}

void Main::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_events.closed();
}

} // namespace orvanta
