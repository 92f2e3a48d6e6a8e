#pragma once

// Main, the program's working window, on Win32: a platform::DesignedWindow
// whose menu bar, tab controls (platform::TabStrip, built by walking the
// design's strip tree MainStrips), converter pages (the shared ConverterPage,
// each made when first shown) and EXIT button are made from the shared
// design (src/ui/maindesign.h) by platform::WindowControls. Enter converts
// the row being edited through the window's DefaultButtonController and
// IsDialogMessageW in the message loop; menu commands, accelerators and the
// close box go to the program (MainEvents).

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include <windows.h>

#include "designedwindow.h"
#include "handles.h"
#include "maindesign.h"

namespace orvanta {

class ConverterPage;
class MainEvents;
namespace platform {
class TabStrip;
}

class Main final : public platform::DesignedWindow
{
public:
    explicit Main(MainEvents &events);
    ~Main() override;

    // The converter pages made so far: each is made when first shown.
    const std::vector<std::unique_ptr<ConverterPage>> &pages() const { return m_pages; }

    // Shows the window in front, with the keyboard focus on SSTab1.
    void show();

private:
    void buildContents() override;
    HACCEL accelerators() const override { return m_accelerators.get(); }
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    void layoutAtDpi(int dpi) override;

    HMENU createMenus();
    void createTabStrips();
    void createShownPages();
    platform::TabStrip *strip(std::string_view name) const;
    void createExitButton();
    void setTabOrder();

    bool onMenuCommand(int id);
    LRESULT onNotify(HWND window, int id, NMHDR *header);
    void onClose(HWND window);

    MainEvents &m_events;
    platform::UniqueAccelerator m_accelerators;
    // The menu items' IDs, in the order of MainMenus.
    std::vector<int> m_menuIds;
    // In the order of MainStrips.
    std::array<std::unique_ptr<platform::TabStrip>, MainStrips.size()> m_strips;
    // The converter pages made so far, in the order they were first shown.
    std::vector<std::unique_ptr<ConverterPage>> m_pages;
    // Which of MainPages have been made.
    std::array<bool, MainPages.size()> m_pageMade{};
};

} // namespace orvanta
