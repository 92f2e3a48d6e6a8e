#pragma once

// Main, the program's working window, the same on every toolkit: a
// platform::Window of the adapter being built (adapter.h), made from the
// design in maindesign.h through the adapter's primitives: the menu bar, the
// tree of tab strips, the four converter pages (ConverterPage), the EXIT
// button, one tab order and the load step Form_Load. Menu commands and the
// close box go to the program (MainEvents); Enter converts the row being
// edited through the window's default button, which each row's input box
// designates when it gets the focus (InputGotFocus).

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "converterpage.h"
#include "maindesign.h"
#include "mainevents.h"
#include "window.h"

namespace orvanta {

class Main final : public platform::Window
{
public:
    // Made and loaded (Form_Load has run), not yet shown.
    explicit Main(MainEvents &events);
    ~Main() override;

    // The converter pages made so far: all four at once, or each when it is
    // first shown where the adapter makes pages late
    // (WindowControls::MakesPagesWhenShown).
    const std::vector<std::unique_ptr<ConverterPage>> &pages() const { return m_pages; }

    // Shows the window in front, with the keyboard focus on SSTab1.
    void show();

private:
    forms::TabStrip *strip(std::string_view name) const;
    bool isShown(const forms::StripDesign *strip, int page) const;
    // Makes the strips and converter pages not made yet: all of them, or
    // those shown where the adapter makes pages late.
    void makeShown();

    MainEvents &m_events;
    // In the order of MainStrips; nullptr for a strip not made yet.
    std::array<forms::TabStrip *, MainStrips.size()> m_strips{};
    // Which of MainPages have been made, and the pages in the order made.
    std::array<bool, MainPages.size()> m_pageMade{};
    std::vector<std::unique_ptr<ConverterPage>> m_pages;
    bool m_exitMade = false;
};

} // namespace orvanta
