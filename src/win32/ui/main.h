#pragma once

// Main, the program's working window, on Win32: a plain top-level window
// whose menu bar, tab controls (platform::TabStrip, built by walking the
// design's strip tree MainStrips), converter pages (the shared ConverterPage,
// each made when first shown) and EXIT button are made from the shared
// design (src/ui/maindesign.h) by platform::WindowControls. Enter converts
// the row being edited through the window's DefaultButtonController and
// IsDialogMessageW in the message loop; menu commands, accelerators and the
// close box go to the program (MainEvents).

#include <array>
#include <future>
#include <memory>
#include <string_view>
#include <vector>

#include <windows.h>

#include "handles.h"
#include "maindesign.h"
#include "picture.h"

namespace orvanta {

class ConverterPage;
class MainEvents;
namespace platform {
class TabStrip;
class WindowControls;
} // namespace platform

class Main final
{
public:
    explicit Main(MainEvents &events);
    ~Main();
    Main(const Main &) = delete;
    Main &operator=(const Main &) = delete;

    // nullptr once the window is closed.
    HWND hwnd() const { return m_hwnd; }

    // The converter pages made so far: each is made when first shown.
    const std::vector<std::unique_ptr<ConverterPage>> &pages() const { return m_pages; }

    // The control of that design name (a tab strip's tab control), or
    // nullptr; and the design name of a control.
    HWND control(std::string_view name) const;
    std::string_view controlName(HWND control) const;

    // Centres the window on the work area of its monitor.
    void centre();
    // Shows the window in front, with the keyboard focus on SSTab1.
    void show();

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HMENU createMenus();
    void createTabStrips();
    void createShownPages();
    platform::TabStrip *strip(std::string_view name) const;
    void createExitButton();
    void setTabOrder();
    void sizeFrame(int dpi, const POINT *topLeft);
    void paintBackground(HDC dc);

    BOOL onEraseBkgnd(HWND window, HDC dc);
    void onPaint(HWND window);
    void onCommand(HWND window, int id, HWND control, UINT code);
    LRESULT onNotify(HWND window, int id, NMHDR *header);
    bool onActivate(UINT state);
    void onClose(HWND window);
    void onDestroy(HWND window);
    void onDpiChanged(int dpi, const RECT &suggested);

    HWND m_hwnd = nullptr;
    MainEvents &m_events;
    std::future<platform::Picture> m_decoding;
    platform::Picture m_background;
    platform::UniqueAccelerator m_accelerators;
    // The menu items' IDs, in the order of MainMenus.
    std::vector<int> m_menuIds;
    std::unique_ptr<platform::WindowControls> m_controls;
    // In the order of MainStrips.
    std::array<std::unique_ptr<platform::TabStrip>, MainStrips.size()> m_strips;
    // The converter pages made so far, in the order they were first shown.
    std::vector<std::unique_ptr<ConverterPage>> m_pages;
    // Which of MainPages have been made.
    std::array<bool, MainPages.size()> m_pageMade{};
    // Where the focus was when the window was last deactivated.
    HWND m_lastFocus = nullptr;
};

} // namespace orvanta
