#include "windowcontrols.h"

#include <algorithm>

#include <commctrl.h>

#include "handles.h"
#include "picture.h"
#include "twips.h"
#include "utf8.h"
#include "window.h"

namespace orvanta::platform {
namespace {

using forms::ControlKind;

// What the SumatraPDF-style creation record needs beyond the design: the
// window class and styles of each kind of control.
struct NativeKind
{
    const wchar_t *className;
    DWORD style;
    DWORD exStyle;
};

NativeKind nativeKindOf(const forms::ControlDesign &design)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (design.kind) {
    case ControlKind::TextBox:
        return {WC_EDITW, child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::CommandButton:
        return {WC_BUTTONW, child | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::Label:
        // SS_NOTIFY: the label takes the mouse, so its tooltip sees the pointer.
        return {WC_STATICW,
                child | SS_NOPREFIX | SS_NOTIFY | (design.align == forms::TextAlign::Centre ? SS_CENTER : SS_LEFT), 0};
    case ControlKind::Picture:
        return {WC_STATICW, child | SS_BITMAP, 0};
    }
    return {WC_STATICW, child, 0};
}

constexpr UINT_PTR OneLineSubclass = 1;
constexpr UINT_PTR PictureSubclass = 2;
constexpr UINT_PTR ButtonFocusSubclass = 3;

// The label's background and text colour, as its parent chooses them.
HBRUSH labelBackground(HWND label, HDC dc)
{
    auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

void paintOneLine(HWND label, HDC dc)
{
    RECT area{};
    GetClientRect(label, &area);
    FillRect(dc, &area, labelBackground(label, dc));
    auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
    const SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    const std::wstring text = WindowTextOf(label);
    const bool centred = (GetWindowLongW(label, GWL_STYLE) & SS_TYPEMASK) == SS_CENTER;
    // Fixed size: a text too long is cut off at the label's edges, both of
    // them when centred; it is never wrapped.
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              DT_SINGLELINE | DT_NOPREFIX | DT_TOP | (centred ? DT_CENTER : DT_LEFT));
}

// A Static with SS_CENTER wraps its words; this one keeps its text on one line.
LRESULT CALLBACK oneLineLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (message) {
    case WM_SETTEXT: {
        // The Static would paint the new text at once, wrapped: store it only.
        const LRESULT result = DefWindowProcW(label, message, wParam, lParam);
        InvalidateRect(label, nullptr, FALSE);
        return result;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(label, &paint);
        paintOneLine(label, dc);
        EndPaint(label, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        paintOneLine(label, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(label, oneLineLabelProc, OneLineSubclass);
        break;
    default:
        break;
    }
    return DefSubclassProc(label, message, wParam, lParam);
}

void paintPicture(HWND control, HDC dc, const Picture *picture)
{
    RECT area{};
    GetClientRect(control, &area);
    FillRect(dc, &area, labelBackground(control, dc));
    if (picture)
        picture->draw(dc, 0, 0, WindowDpi(control));
}

LRESULT CALLBACK pictureProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    const auto *picture = reinterpret_cast<const Picture *>(data);
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        HDC dc = BeginPaint(control, &paint);
        paintPicture(control, dc, picture);
        EndPaint(control, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        paintPicture(control, reinterpret_cast<HDC>(wParam), picture);
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, pictureProc, PictureSubclass);
        break;
    default:
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

// BS_NOTIFY would report focus changes too, but it also turns a double click
// into BN_DBLCLK instead of a second click.
LRESULT CALLBACK buttonFocusProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto *controller = reinterpret_cast<DefaultButtonController *>(data);
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
        controller->buttonFocusChanged(button, message == WM_SETFOCUS);
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(button, buttonFocusProc, ButtonFocusSubclass);
        break;
    default:
        break;
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

TTTOOLINFOW toolOf(HWND control)
{
    TTTOOLINFOW tool{};
    // The size every comctl32 version accepts.
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    return tool;
}

} // namespace

WindowControls::WindowControls(HWND window, const forms::FontDesign &windowFont)
    : m_window(window)
    , m_fonts(windowFont, WindowDpi(window))
    , m_defaultButton(window)
{
}

HWND WindowControls::create(const forms::ControlDesign &design, HWND parent)
{
    const NativeKind native = nativeKindOf(design);
    const int id = newId();
    const RECT place = TwipsRect(design.rect, dpi());
    const std::wstring caption = design.kind == ControlKind::Picture ? std::wstring() : FromUtf8(design.caption);
    HWND control = CheckedWindow(
        CreateWindowExW(native.exStyle, native.className, caption.empty() ? nullptr : caption.c_str(), native.style,
                        place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr),
        "control");
    switch (design.kind) {
    case ControlKind::TextBox:
        // No length limit: the most a single-line edit can hold.
        SendMessageW(control, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
        break;
    case ControlKind::CommandButton:
        SetWindowSubclass(control, buttonFocusProc, ButtonFocusSubclass, reinterpret_cast<DWORD_PTR>(&m_defaultButton));
        break;
    case ControlKind::Label:
        SetWindowSubclass(control, oneLineLabelProc, OneLineSubclass, 0);
        break;
    case ControlKind::Picture:
        break;
    }
    if (design.kind != ControlKind::Picture)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts.font(design.font)), FALSE);
    if (!design.accessibleName.empty())
        m_annotations.setName(control, design.accessibleName);
    if (!design.accessibleDescription.empty())
        m_annotations.setDescription(control, design.accessibleDescription);
    m_entries.push_back({design.name, control, id, design.rect, design.font, true, {}, {}});
    return control;
}

forms::TextBox *WindowControls::createTextBox(const forms::ControlDesign &design, HWND parent)
{
    return &m_textBoxes.emplace_back(forms::TextBox{create(design, parent)});
}

forms::CommandButton *WindowControls::createCommandButton(const forms::ControlDesign &design, HWND parent)
{
    return &m_buttons.emplace_back(forms::CommandButton{create(design, parent)});
}

forms::Label *WindowControls::createLabel(const forms::ControlDesign &design, HWND parent)
{
    HWND label = create(design, parent);
    addToolTip(label);
    return &m_labels.emplace_back(forms::Label{label, toolTip(), &m_annotations});
}

void WindowControls::add(std::string_view name, HWND control)
{
    m_entries.push_back({std::string(name), control, GetDlgCtrlID(control), {}, {}, false, {}, {}});
}

HWND WindowControls::find(std::string_view name) const
{
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [name](const Entry &candidate) { return candidate.name == name; });
    return entry == m_entries.end() ? nullptr : entry->control;
}

std::string_view WindowControls::nameOf(HWND control) const
{
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [control](const Entry &candidate) { return candidate.control == control; });
    return entry == m_entries.end() ? std::string_view() : std::string_view(entry->name);
}

void WindowControls::onClick(HWND button, std::function<void()> handler)
{
    if (Entry *entry = entryOf(button))
        entry->clicked = std::move(handler);
}

void WindowControls::onGotFocus(HWND edit, std::function<void()> handler)
{
    if (Entry *entry = entryOf(edit))
        entry->gotFocus = std::move(handler);
}

void WindowControls::setPicture(HWND control, const Picture *picture)
{
    SetWindowSubclass(control, pictureProc, PictureSubclass, reinterpret_cast<DWORD_PTR>(picture));
    InvalidateRect(control, nullptr, FALSE);
}

HWND WindowControls::toolTip()
{
    if (!m_toolTip) {
        m_toolTip =
            CheckedWindow(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                          WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                          CW_USEDEFAULT, CW_USEDEFAULT, m_window, nullptr, ProgramInstance(), nullptr),
                          "tooltip");
    }
    return m_toolTip;
}

void WindowControls::addToolTip(HWND label)
{
    TTTOOLINFOW tool = toolOf(label);
    tool.lpszText = const_cast<wchar_t *>(L"");
    SendMessageW(toolTip(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void SetToolTip(HWND toolTip, HWND control, std::string_view text)
{
    std::wstring tip = FromUtf8(text);
    TTTOOLINFOW tool = toolOf(control);
    tool.lpszText = tip.data();
    SendMessageW(toolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool WindowControls::command(int id, int code)
{
    Entry *entry = entryOf(id);
    if (!entry)
        return false;
    // Copied: a handler may close the window, and these entries with it.
    std::function<void()> handler;
    switch (code) {
    case BN_CLICKED: // also a label's STN_CLICKED, which has no handler
        // A hidden or disabled button cannot be clicked, by Enter neither.
        if (IsReachable(entry->control))
            handler = entry->clicked;
        break;
    case EN_SETFOCUS:
        handler = entry->gotFocus;
        break;
    default:
        break;
    }
    if (handler)
        handler();
    return true;
}

std::vector<UniqueFont> WindowControls::setDpi(int dpi)
{
    std::vector<UniqueFont> old = m_fonts.setDpi(dpi);
    for (const Entry &entry : m_entries) {
        if (!entry.designed)
            continue;
        // The font first: a control may measure its text when it is resized.
        SendMessageW(entry.control, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts.font(entry.font)), TRUE);
        const RECT place = TwipsRect(entry.rect, dpi);
        SetWindowPos(entry.control, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return old;
}

void WindowControls::release()
{
    m_annotations.clear();
}

WindowControls::Entry *WindowControls::entryOf(HWND control)
{
    const auto entry = std::find_if(m_entries.begin(), m_entries.end(),
                                    [control](const Entry &candidate) { return candidate.control == control; });
    return entry == m_entries.end() ? nullptr : &*entry;
}

WindowControls::Entry *WindowControls::entryOf(int id)
{
    const auto entry =
        std::find_if(m_entries.begin(), m_entries.end(), [id](const Entry &candidate) { return candidate.id == id; });
    return entry == m_entries.end() ? nullptr : &*entry;
}

void SetTabOrder(HWND window, const std::vector<HWND> &order)
{
    std::vector<HWND> placed;
    for (HWND control : order) {
        // The control and the pages it lies on, outermost first.
        std::vector<HWND> chain;
        for (HWND step = control; step && step != window; step = GetParent(step))
            chain.insert(chain.begin(), step);
        for (HWND step : chain) {
            if (std::find(placed.begin(), placed.end(), step) != placed.end())
                continue;
            SetWindowPos(step, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            placed.push_back(step);
        }
    }
}

} // namespace orvanta::platform
