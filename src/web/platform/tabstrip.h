#pragma once

// A strip of tabs along its top edge over pages that cover the strip: a
// tablist of tabs and tabpanels. Only the current page is shown; hidden
// pages keep their contents. The strip is one stop of the Tab key, on its
// current tab; Left and Right choose the neighbouring page.

#include <memory>
#include <string_view>
#include <vector>

#include "dom.h"
#include "formscontrols.h"

namespace orvanta::platform {

class TabStrip
{
public:
    TabStrip(val parent, std::string_view name, const forms::TwipsRect &rect, int tabHeightTwips);
    TabStrip(const TabStrip &) = delete;
    TabStrip &operator=(const TabStrip &) = delete;

    // A new page with its tab; controls are placed on it from the strip's
    // corner. Pages count from 0 in the order they are added.
    forms::Container *addPage(std::string_view caption);
    forms::Container *page(int index) const;
    // Moves the page's elements after the others': the Tab key visits the
    // pages of a strip in the order of their elements.
    void visitLast(int index);

    void setTab(int index);
    int tab() const { return m_current; }
    val element() const { return m_element; }

private:
    struct Page
    {
        val tab;
        std::unique_ptr<Control> panel;
    };
    void select(int index, bool focus);

    val m_element;
    val m_tabs;
    std::string m_name;
    std::vector<Page> m_pages;
    int m_current = -1;
    Listeners m_listeners;
};

} // namespace orvanta::platform
