#include "main.h"

#include <string>
#include <utility>

#include <windowsx.h>

#include "converterpage.h"
#include "mainevents.h"
#include "maindesign.h"
#include "mainhandlers.h"
#include "tabstrip.h"
#include "utf8.h"
#include "windowcontrols.h"

namespace orvanta {
namespace {

constexpr platform::WindowFrame MainFrame{
    L"Orvanta.Main", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN};

ACCEL acceleratorOf(forms::ShortcutKey key, int id)
{
    const auto pressed = static_cast<WORD>(key.letter != 0 ? key.letter : VK_F1 + key.function - 1);
    return {static_cast<BYTE>(FVIRTKEY | (key.control ? FCONTROL : 0)), pressed, static_cast<WORD>(id)};
}

} // namespace

Main::Main(MainEvents &events)
    : DesignedWindow(MainWindowDesign, MainFrame)
    , m_events(events)
{
    create();
    Form_Load({strip(SSTab1Design.name), strip(SSTab2Design.name)});
    createShownPages();
}

Main::~Main()
{
    // While the pages that the controls' handlers work on still exist.
    if (hwnd())
        DestroyWindow(hwnd());
}

void Main::buildContents()
{
    SetMenu(hwnd(), createMenus());
    createTabStrips();
    createExitButton();
    setTabOrder();
}

HMENU Main::createMenus()
{
    HMENU bar = CreateMenu();
    std::vector<ACCEL> accelerators;
    for (const MainMenu &menu : MainMenus) {
        HMENU popup = CreatePopupMenu();
        const int id = controls().newId();
        m_menuIds.push_back(id);
        // The shortcut is shown beside the caption, as Windows menus do.
        const std::wstring item = platform::FromUtf8(menu.itemCaption) + L'\t' + platform::FromUtf8(forms::ShortcutText(menu.shortcut));
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(id), item.c_str());
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), platform::FromUtf8(menu.menuCaption).c_str());
        accelerators.push_back(acceleratorOf(menu.shortcut, id));
    }
    m_accelerators.reset(CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size())));
    return bar;
}

void Main::createTabStrips()
{
    for (std::size_t i = 0; i < MainStrips.size(); ++i) {
        const forms::StripDesign &design = *MainStrips[i];
        HWND parent = design.parent.empty() ? hwnd() : strip(design.parent)->page(design.parentPage);
        const std::vector<std::string> captions(design.captions.begin(), design.captions.end());
        m_strips[i] = std::make_unique<platform::TabStrip>(parent, controls().newId(), design.rect, design.tabHeight,
                                                           captions, controls().fonts().windowFont(), controls().dpi());
        controls().add(design.name, m_strips[i]->control());
        m_strips[i]->setTab(design.designedTab);
        m_strips[i]->onPageSwitched([this] { createShownPages(); });
    }
}

platform::TabStrip *Main::strip(std::string_view name) const
{
    return m_strips.at(StripIndex(name)).get();
}

void Main::createShownPages()
{
    // Under Wine every native control costs about a millisecond to make, and
    // 96 of the 128 page controls start hidden: a page is made when it is
    // first shown. It has been empty until then, so nothing can be missed.
    for (const auto &made : m_strips) {
        if (!made)
            return;
    }
    // A page is shown when its strip shows it and every strip it lies on
    // shows the page that holds that strip.
    const auto isShown = [this](const forms::StripDesign *design, int page) {
        for (; design; page = design->parentPage, design = StripNamed(design->parent)) {
            if (strip(design->name)->tab() != page)
                return false;
        }
        return true;
    };
    bool made = false;
    for (std::size_t i = 0; i < MainPages.size(); ++i) {
        const PagePlacement &placement = MainPages[i];
        if (m_pageMade[i] || !isShown(placement.strip, placement.page))
            continue;
        m_pages.push_back(std::make_unique<ConverterPage>(*placement.design, strip(placement.strip->name)->page(placement.page),
                                                          controls()));
        m_pageMade[i] = true;
        made = true;
    }
    if (made && controls().find(ExitButtonDesign().name))
        setTabOrder();
}

void Main::createExitButton()
{
    HWND command11 = controls().create(ExitButtonDesign(), hwnd());
    controls().onClick(command11, [] { Command11_Click(); });
}

void Main::setTabOrder()
{
    // Strips first, each followed by its pages; the volume pages come Feet³
    // before Meter³; EXIT last.
    std::vector<HWND> order;
    for (const std::string &name : MainTabOrder()) {
        // Pages not shown yet have no controls.
        if (HWND control = controls().find(name))
            order.push_back(control);
    }
    platform::SetTabOrder(hwnd(), order);
}

void Main::show()
{
    showInFront(strip(SSTab1Design.name)->control());
}

LRESULT Main::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        HANDLE_MSG(window, WM_NOTIFY, onNotify);
        HANDLE_MSG(window, WM_CLOSE, onClose);
    case WM_COMMAND:
        // Menu items and their accelerators have no control.
        if (lParam == 0 && HIWORD(wParam) <= 1 && onMenuCommand(LOWORD(wParam)))
            return 0;
        break;
    default:
        break;
    }
    return DesignedWindow::handleMessage(window, message, wParam, lParam);
}

bool Main::onMenuCommand(int id)
{
    for (std::size_t i = 0; i < m_menuIds.size(); ++i) {
        if (m_menuIds[i] == id) {
            m_events.menuChosen(MainMenus[i].command);
            return true;
        }
    }
    return false;
}

LRESULT Main::onNotify(HWND, int, NMHDR *header)
{
    platform::TabStrip::notify(*header);
    return 0;
}

void Main::onClose(HWND)
{
    m_events.closed();
}

void Main::layoutAtDpi(int dpi)
{
    HFONT tabFont = controls().fonts().windowFont();
    for (const auto &strip : m_strips)
        strip->layout(tabFont, dpi);
}

} // namespace orvanta
