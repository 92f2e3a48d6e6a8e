#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QList>
#include <QWidget>

#include "adapter.h"
#include "design.h"

class QTabBar;

namespace orvanta::platform {

// A tab strip in the classic style: one row of tabs along the top edge, each
// tab as wide as the strip divided by the number of tabs, and pages that
// cover the whole strip, so controls on a page are placed relative to the
// strip's own top-left corner, tabs included. Only the current page is shown;
// the others are hidden and disabled, keeping everything they hold.
class TabStrip final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabStrip)

public:
    // A strip at rect on parent with a page for each caption (UTF-8).
    TabStrip(QWidget *parent, const forms::TwipsRect &rect, int tabHeightTwips,
             const std::vector<std::string_view> &captions);

    // The tab bar: it takes the keyboard focus for the strip.
    QTabBar *control() const { return m_bar; }
    // The widget a page's controls are created on.
    QWidget *page(int index) const { return m_pages.value(index); }
    int count() const { return int(m_pages.size()); }

    // The current page, counting from 0. Writing it switches pages as a click
    // on the tab would.
    int tab() const;
    void setTab(int index);

    // Runs handler after every page switch, by click, keyboard or setTab.
    void onPageSwitched(std::function<void()> handler) { m_switched = std::move(handler); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showCurrentPage();

    QTabBar *m_bar;
    QList<QWidget *> m_pages;
    int m_tabHeight = 0;
    std::function<void()> m_switched;
};

static_assert(forms::TabStripLike<TabStrip>);

} // namespace orvanta::platform
