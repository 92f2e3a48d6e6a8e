#pragma once

// Main is the program's working window, drawn in the page: a caption bar,
// the menu bar, the EXIT button and two levels of tab strips
// (platform::TabStrip): the outer strip SSTab1 has a page for areas and one
// for volumes, each holding an inner strip (SSTab2, SSTab3) whose pages are
// the four ConverterPages. Names, captions and geometry come from the shared
// design (src/ui/maindesign.h), the handlers from src/ui.

#include <functional>
#include <memory>
#include <vector>

#include "converterpage.h"
#include "maindesign.h"
#include "tabstrip.h"
#include "window.h"

namespace orvanta {

class Main final
{
public:
    // aboutRequested runs for Help > About; closed for the close box.
    Main(std::function<void()> aboutRequested, std::function<void()> closed);
    Main(const Main &) = delete;
    Main &operator=(const Main &) = delete;

    void centre();
    // Shown in front, the focus on the outer strip.
    void show();

private:
    platform::Window m_window;
    std::unique_ptr<platform::TabStrip> m_sstab1, m_sstab2, m_sstab3;
    std::unique_ptr<platform::Control> m_command11;
    std::vector<std::unique_ptr<ConverterPage>> m_pages;
};

} // namespace orvanta
