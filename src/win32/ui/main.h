#pragma once

// Main is the program's working window. Its frame holds a menu bar, the EXIT
// button and two levels of tab strips (platform::TabStrip): the outer strip
// SSTab1 has a page for areas and one for volumes, each holding an inner
// strip (SSTab2, SSTab3) whose pages are the four ConverterPages. Every
// control is made from the shared design (maindesign.h) by
// platform::WindowControls; each page's ten ConverterRows run the shared
// handlers, which convert through the toolkit-free core in src/convert.
// Enter converts the row being edited through the window's
// platform::DefaultButtonController and IsDialogMessageW in the message loop.

#include <array>
#include <functional>
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
struct StripDesign;
namespace platform {
class TabStrip;
class WindowControls;
} // namespace platform

class Main final
{
public:
    Main();
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

    // Help > About was chosen.
    void onAboutRequested(std::function<void()> handler) { m_aboutRequested = std::move(handler); }
    // The user closed the window by its close box.
    void onClosed(std::function<void()> handler) { m_closed = std::move(handler); }

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
    std::unique_ptr<platform::TabStrip> makeStrip(const StripDesign &design, HWND parent);
    void createExitButton();
    void setTabOrder();
    void sizeFrame(int dpi, const POINT *topLeft);
    void paintBackground(HDC dc);

    void mnuAbout_Click();

    BOOL onEraseBkgnd(HWND window, HDC dc);
    void onPaint(HWND window);
    void onCommand(HWND window, int id, HWND control, UINT code);
    LRESULT onNotify(HWND window, int id, NMHDR *header);
    bool onActivate(UINT state);
    void onClose(HWND window);
    void onDestroy(HWND window);
    void onDpiChanged(int dpi, const RECT &suggested);

    HWND m_hwnd = nullptr;
    std::future<platform::Picture> m_decoding;
    platform::Picture m_background;
    platform::UniqueAccelerator m_accelerators;
    // The menu items' IDs, in the order of MainMenus.
    std::vector<int> m_menuIds;
    std::unique_ptr<platform::WindowControls> m_controls;
    std::unique_ptr<platform::TabStrip> m_sstab1;
    std::unique_ptr<platform::TabStrip> m_sstab2;
    std::unique_ptr<platform::TabStrip> m_sstab3;
    // The converter pages made so far, in the order they were first shown.
    std::vector<std::unique_ptr<ConverterPage>> m_pages;
    // Which of MainPages have been made.
    std::array<bool, MainPages.size()> m_pageMade{};
    // Where the focus was when the window was last deactivated.
    HWND m_lastFocus = nullptr;
    std::function<void()> m_aboutRequested;
    std::function<void()> m_closed;
};

} // namespace orvanta
