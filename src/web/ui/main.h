#pragma once

// Main, the program's working window, drawn in the page: a caption bar, the
// menu bar, tab strips (platform::TabStrip, built by walking the design's
// strip tree MainStrips), converter pages (the shared ConverterPage) and the
// EXIT button, made from the shared design (src/ui/maindesign.h) by
// platform::WindowControls. Enter converts the row being edited through the
// window's default button; menu commands and the close box go to the
// program (MainEvents).

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "converterpage.h"
#include "maindesign.h"
#include "mainevents.h"
#include "tabstrip.h"
#include "window.h"
#include "windowcontrols.h"

namespace orvanta {

class Main final
{
public:
    explicit Main(MainEvents &events);
    ~Main();
    Main(const Main &) = delete;
    Main &operator=(const Main &) = delete;

    const std::vector<std::unique_ptr<ConverterPage>> &pages() const { return m_pages; }

    // Centres the window on the page.
    void centre();
    // Shows the window in front, with the keyboard focus on SSTab1.
    void show();

private:
    void createMenus();
    void createTabStrips();
    void createPages();
    void setTabOrder();
    platform::TabStrip *strip(std::string_view name) const;

    MainEvents &m_events;
    platform::Window m_window;
    platform::WindowControls m_controls;
    std::unique_ptr<platform::Control> m_client;
    // In the order of MainStrips.
    std::array<std::unique_ptr<platform::TabStrip>, MainStrips.size()> m_strips;
    std::vector<std::unique_ptr<ConverterPage>> m_pages;
};

} // namespace orvanta
