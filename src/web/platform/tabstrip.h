#pragma once

// A strip of tabs along its top edge over pages that cover the strip: a
// tablist of tabs and tabpanels. Only the current page is shown; hidden
// pages keep their contents. The strip is one stop of the Tab key, on its
// current tab; Left and Right choose the neighbouring page.

#include <string_view>
#include <vector>

#include "dom.h"

namespace orvanta::platform {

class TabStrip
{
public:
    TabStrip(val parent, std::string_view name, const forms::TwipsRect &rect, int tabHeightTwips);
    TabStrip(const TabStrip &) = delete;
    TabStrip &operator=(const TabStrip &) = delete;

    // A new page with its tab; controls are placed on it from the strip's corner.
    val addPage(std::string_view caption);
    // Pages are added in the order they are visited by the Tab key; index
    // counts in the design's order (pages added with designIndex).
    val addPage(std::string_view caption, int designIndex);

    void setTab(int index);
    int tab() const { return m_current; }
    val element() const { return m_element; }

private:
    struct Page
    {
        val tab;
        val panel;
        int designIndex;
    };
    const Page *page(int designIndex) const;

    val m_element;
    val m_tabs;
    std::string m_name;
    std::vector<Page> m_pages;
    int m_current = -1;
};

} // namespace orvanta::platform
