#include "tabstrip.h"

#include <QPainter>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

#include "twips.h"
#include "utf8.h"

namespace orvanta::platform {
namespace {

// Tabs share the strip's width equally and have the strip's tab height.
class StripTabBar final : public QTabBar
{
public:
    using QTabBar::QTabBar;

    int fixedHeight = 0;

protected:
    QSize tabSizeHint(int index) const override
    {
        const QSize natural = QTabBar::tabSizeHint(index);
        const int tabs = qMax(1, count());
        const int width = qMax(natural.width(), this->width() / tabs);
        return QSize(width, fixedHeight > 0 ? fixedHeight : natural.height());
    }
};

} // namespace

TabStrip::TabStrip(QWidget *parent, const forms::TwipsRect &rect, int tabHeightTwips,
                   const std::vector<std::string_view> &captions)
    : QWidget(parent)
    , m_bar(new StripTabBar(this))
    , m_tabHeight(Twips(tabHeightTwips))
{
    m_bar->setDrawBase(false);
    m_bar->setExpanding(true);
    m_bar->setUsesScrollButtons(false);
    m_bar->setElideMode(Qt::ElideNone);
    m_bar->setFocusPolicy(Qt::TabFocus);
    static_cast<StripTabBar *>(m_bar)->fixedHeight = m_tabHeight;
    setGeometry(TwipsRect(rect));

    for (std::string_view caption : captions) {
        auto *page = new QWidget(this);
        page->setGeometry(this->rect());
        m_pages.append(page);
        m_bar->addTab(FromUtf8(caption));
    }
    // The pages lie under the tab row; keep the tabs clickable.
    m_bar->raise();
    m_bar->setGeometry(0, 0, width(), m_tabHeight);
    showCurrentPage();

    connect(m_bar, &QTabBar::currentChanged, this, [this] {
        showCurrentPage();
        if (m_switched)
            m_switched();
    });
}

int TabStrip::tab() const
{
    return m_bar->currentIndex();
}

void TabStrip::setTab(int index)
{
    m_bar->setCurrentIndex(index);
}

void TabStrip::showCurrentPage()
{
    const int current = m_bar->currentIndex();
    // Screen readers announce the strip by the page it shows.
    m_bar->setAccessibleName(m_bar->tabText(current));
    for (int i = 0; i < m_pages.size(); ++i) {
        const bool shown = i == current;
        m_pages[i]->setVisible(shown);
        m_pages[i]->setEnabled(shown);
    }
}

void TabStrip::paintEvent(QPaintEvent *)
{
    // The page area: the button-face colour inside a tab-widget frame.
    QPainter painter(this);
    const QRect area(0, m_tabHeight, width(), height() - m_tabHeight);
    painter.fillRect(area, palette().button());
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = area;
    frame.tabBarSize = QSize(width(), m_tabHeight);
    frame.shape = QTabBar::RoundedNorth;
    style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &painter, this);
}

void TabStrip::resizeEvent(QResizeEvent *)
{
    m_bar->setGeometry(0, 0, width(), m_tabHeight);
    for (QWidget *page : std::as_const(m_pages))
        page->setGeometry(rect());
}

} // namespace orvanta::platform
