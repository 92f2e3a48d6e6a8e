#pragma once

// A strip of tabs along its top edge over pages that cover the strip: a
// tablist of tabs and tabpanels. Only the current page is shown; hidden
// pages keep their contents. The strip is one stop of the Tab key, on its
// current tab; Left and Right choose the neighbouring page.

#include <functional>
#include <memory>
#include <vector>

#include "adapter.h"
#include "dom.h"

namespace orvanta::platform {

class TabStrip final
{
public:
    // The strip of design on parent, showing its designed page.
    TabStrip(Control *parent, const forms::StripDesign &design);
    TabStrip(const TabStrip &) = delete;
    TabStrip &operator=(const TabStrip &) = delete;

    int count() const { return static_cast<int>(m_pages.size()); }
    // Controls are made on a page from the strip's own corner.
    forms::Container *page(int index) const;

    int tab() const { return m_current; }
    void setTab(int index);
    // Runs after every page switch: by click, by key or by setTab.
    void onPageSwitched(std::function<void()> handler) { m_switched = std::move(handler); }

    val element() const { return m_element; }
    // The current tab: it takes the focus for the strip.
    val currentTab() const;
    // Moves the strip, and the tabs to the height given.
    void place(const forms::TwipsRect &rect, int tabHeight);

private:
    struct Page
    {
        val tab;
        std::unique_ptr<Control> panel;
    };
    void select(int index, bool focus);

    val m_element;
    val m_tabs;
    std::vector<Page> m_pages;
    int m_current = -1;
    std::function<void()> m_switched;
    Listeners m_listeners;
};

static_assert(forms::TabStripLike<TabStrip>);

} // namespace orvanta::platform
