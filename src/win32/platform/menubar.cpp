#include "menubar.h"

#include <string>

#include "utf8.h"

namespace orvanta::platform {

void MenuBar::add(const forms::MenuDesign &design, int id, std::function<void()> chosen)
{
    if (!m_bar)
        m_bar = CreateMenu();
    HMENU popup = CreatePopupMenu();
    // The shortcut is shown beside the caption, as Windows menus do.
    const std::wstring item = FromUtf8(design.itemCaption) + L'\t' + FromUtf8(forms::ShortcutText(design.shortcut));
    AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(id), item.c_str());
    AppendMenuW(m_bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), FromUtf8(design.menuCaption).c_str());

    const forms::ShortcutKey key = design.shortcut;
    const auto pressed = static_cast<WORD>(key.letter != 0 ? key.letter : VK_F1 + key.function - 1);
    m_keys.push_back({static_cast<BYTE>(FVIRTKEY | (key.control ? FCONTROL : 0)), pressed, static_cast<WORD>(id)});
    m_accelerators.reset(CreateAcceleratorTableW(m_keys.data(), static_cast<int>(m_keys.size())));
    m_items.emplace(id, std::move(chosen));
}

bool MenuBar::choose(int id) const
{
    const auto item = m_items.find(id);
    if (item == m_items.end())
        return false;
    // Copied: choosing may close the window, and its menu bar with it.
    const std::function<void()> chosen = item->second;
    chosen();
    return true;
}

} // namespace orvanta::platform
