// Plays the shared user scenarios (tests/scenarios/scenarios.h) and the
// Windows-only ones (scenarios_extra.h) on Orvanta's real windows, made as
// wWinMain makes them (Program), with real input: SendInput puts clicks and
// keys into the queue a user's would, and the program's own message loop
// (accelerators, IsDialogMessageW) handles them. Message boxes are the real
// ones, read and answered with Enter from a second thread, unless a scenario
// asks for the test hook. Then a seeded random session over both windows
// (tests/scenarios/monkey.h): ORVANTA_MONKEY_SEED=<seed> replays one, and
// ORVANTA_TRACE=1 prints each step. Runs under Wine and needs an X display
// (exit 77 without one).

#include <windows.h>
#include <commctrl.h>
// The annotation service's GUIDs are defined here.
#include <initguid.h>
#include <oleacc.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <type_traits>
#include <variant>
#include <vector>

#include "aboutbox.h"
#include "aboutdesign.h"
#include "converterpage.h"
#include "staticlabel.h"
#include "forms.h"
#include "guardedapplication.h"
#include "handles.h"
#include "main.h"
#include "maindesign.h"
#include "messagebox.h"
#include "messageloop.h"
#include "monkey.h"
#include "program.h"
#include "scenarios.h"
#include "scenarios_extra.h"
#include "utf8.h"
#include "winapi.h"

namespace orvanta::test {
namespace {

using platform::ToUtf8;
using platform::FromUtf8;
using scenarios::Only;
using scenarios::Op;

// Posted for a caret's blinking and the controls' animations.
constexpr UINT WM_SYSTIMER = 0x0118;

struct Failure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::string quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

void expect(bool condition, const std::string &what)
{
    if (!condition)
        throw Failure(what);
}

std::vector<std::string_view> words(std::string_view text)
{
    std::vector<std::string_view> result;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        if (space != 0)
            result.push_back(text.substr(0, space));
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    }
    return result;
}

std::string textOf(HWND window)
{
    return window ? ToUtf8(platform::WindowTextOf(window)) : std::string();
}

std::string classOf(HWND window)
{
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    return ToUtf8(name);
}

// A message box as the user saw it, and the watched row while it was open.
struct SeenBox
{
    forms::MessageRequest request;
    std::string buttons;
    std::string inputWhileOpen;
    std::string captionWhileOpen;
    // The program's windows that still took input while the box was open.
    std::string enabledWindows;
};

struct WatchedRow
{
    HWND input = nullptr;
    HWND result = nullptr;
};

struct SeenBoxes
{
    std::mutex lock;
    std::vector<SeenBox> boxes;
    WatchedRow row;

    void add(SeenBox box)
    {
        const std::lock_guard guard(lock);
        boxes.push_back(std::move(box));
    }
};

// A message box of the thread that is open, or nullptr.
HWND openMessageBox(DWORD thread)
{
    HWND box = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM data) {
            if (classOf(window) != "#32770" || !IsWindowVisible(window))
                return TRUE;
            *reinterpret_cast<HWND *>(data) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&box));
    return box;
}

// Answers the real message boxes of the program's thread as a user would:
// reads what each shows, then presses Enter. It runs beside the thread that
// sits in MessageBoxW's modal loop.
class BoxAnswerer final
{
public:
    BoxAnswerer(DWORD uiThread, SeenBoxes &seen)
        : m_uiThread(uiThread)
        , m_seen(seen)
        , m_thread([this] { run(); })
    {
    }
    ~BoxAnswerer()
    {
        m_stop = true;
        m_thread.join();
    }
    BoxAnswerer(const BoxAnswerer &) = delete;
    BoxAnswerer &operator=(const BoxAnswerer &) = delete;

private:
    static BOOL CALLBACK noteEnabled(HWND window, LPARAM data)
    {
        const std::string name = classOf(window);
        if (name.starts_with("Orvanta.") && IsWindowVisible(window) && IsWindowEnabled(window))
            *reinterpret_cast<std::string *>(data) += " " + name;
        return TRUE;
    }

    static BOOL CALLBACK readChild(HWND child, LPARAM data)
    {
        auto *box = reinterpret_cast<SeenBox *>(data);
        if (classOf(child) == "Button" && IsWindowVisible(child)) {
            box->buttons += (box->buttons.empty() ? "" : "+") + textOf(child);
        } else if (classOf(child) == "Static" && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            // The style's icon is one of the system's shared ones.
            const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
            if (icon == LoadIconW(nullptr, IDI_WARNING))
                box->request.style = forms::Exclamation;
            else if (icon == LoadIconW(nullptr, IDI_ERROR))
                box->request.style = forms::Critical;
        } else if (classOf(child) == "Static" && textOf(child).size() > box->request.prompt.size()) {
            box->request.prompt = textOf(child);
        }
        return TRUE;
    }

    void run()
    {
        while (!m_stop) {
            HWND box = openMessageBox(m_uiThread);
            if (!box) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                continue;
            }
            SeenBox seen{{{}, forms::OkOnly, textOf(box)}, {}, {}, {}, {}};
            EnumChildWindows(box, readChild, reinterpret_cast<LPARAM>(&seen));
            EnumThreadWindows(m_uiThread, noteEnabled, reinterpret_cast<LPARAM>(&seen.enabledWindows));
            {
                const std::lock_guard guard(m_seen.lock);
                seen.inputWhileOpen = textOf(m_seen.row.input);
                seen.captionWhileOpen = textOf(m_seen.row.result);
            }
            m_seen.add(seen);
            INPUT enter[2]{};
            for (INPUT &input : enter) {
                input.type = INPUT_KEYBOARD;
                input.ki.wVk = VK_RETURN;
            }
            enter[1].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(2, enter, sizeof(INPUT));
            for (int wait = 0; wait < 250 && IsWindow(box) && !m_stop; ++wait)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    DWORD m_uiThread;
    SeenBoxes &m_seen;
    std::atomic<bool> m_stop = false;
    std::thread m_thread;
};

// The system's DPI the windows are expected to start at (--dpi).
int systemDpi = forms::StandardDpi;

// The first control that got a message while it held a font already freed,
// and the message, while a window changed its DPI.
struct StaleFont
{
    HWND control = nullptr;
    UINT message = 0;
};
StaleFont staleFont;
bool inFontWatch = false;

LRESULT CALLBACK watchFonts(int code, WPARAM wParam, LPARAM lParam)
{
    const auto *sent = reinterpret_cast<const CWPSTRUCT *>(lParam);
    if (code == HC_ACTION && !inFontWatch && !staleFont.control && (GetWindowLongW(sent->hwnd, GWL_STYLE) & WS_CHILD)) {
        inFontWatch = true;
        const auto font = reinterpret_cast<HFONT>(SendMessageW(sent->hwnd, WM_GETFONT, 0, 0));
        LOGFONTW facts{};
        if (font && GetObjectW(font, sizeof facts, &facts) == 0)
            staleFont = {sent->hwnd, sent->message};
        inFontWatch = false;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The windows that were told of new system colours.
std::vector<HWND> toldOfColours;

LRESULT CALLBACK watchColours(int code, WPARAM wParam, LPARAM lParam)
{
    const auto *sent = reinterpret_cast<const CWPSTRUCT *>(lParam);
    if (code == HC_ACTION && sent->message == WM_SYSCOLORCHANGE)
        toldOfColours.push_back(sent->hwnd);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The system colours a scenario changes, by their Control Panel names.
int colourIndex(std::string_view name)
{
    static const std::map<std::string_view, int> indices{{"ButtonFace", COLOR_BTNFACE},
                                                          {"ButtonText", COLOR_BTNTEXT},
                                                          {"Window", COLOR_WINDOW},
                                                          {"WindowText", COLOR_WINDOWTEXT},
                                                          {"InfoWindow", COLOR_INFOBK}};
    const auto found = indices.find(name);
    expect(found != indices.end(), "no colour " + quoted(name));
    return found->second;
}

// The program's windows and every window on them.
std::vector<HWND> windowsOfThread()
{
    std::vector<HWND> all;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto *windows = reinterpret_cast<std::vector<HWND> *>(data);
            windows->push_back(window);
            EnumChildWindows(
                window,
                [](HWND child, LPARAM list) {
                    reinterpret_cast<std::vector<HWND> *>(list)->push_back(child);
                    return TRUE;
                },
                data);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

// The height a font of that design has at dpi (lfHeight): the window's font
// stands for an empty design, the system's message font for an empty
// window font.
int designedHeight(const forms::FontDesign &font, const forms::FontDesign &windowFont, int dpi)
{
    const forms::FontDesign &wanted = font.isDefault() ? windowFont : font;
    if (!wanted.isDefault())
        return -static_cast<int>(std::lround(wanted.points * dpi / 72.0));
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    expect(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)),
           "no message font at " + std::to_string(dpi) + " DPI");
    return metrics.lfMessageFont.lfHeight;
}

// A control as its window's design places it.
struct DesignedControl
{
    std::string name;
    forms::TwipsRect rect;
    forms::FontDesign font;
    bool hasFont;
};

std::vector<DesignedControl> designedControls(std::string_view window)
{
    std::vector<DesignedControl> all;
    const auto add = [&all](const forms::ControlDesign &design) {
        all.push_back({design.name, design.rect, design.font, design.kind != forms::ControlKind::Picture});
    };
    if (window == AboutWindowDesign.name) {
        for (const forms::ControlDesign &design : AboutControls())
            add(design);
        return all;
    }
    for (const forms::StripDesign *strip : MainStrips)
        all.push_back({std::string(strip->name), strip->rect, {}, true});
    add(ExitButtonDesign());
    for (const forms::ControlDesign &design : MainPageControls())
        add(design);
    return all;
}

// Whether a strip's page, wherever and whenever it was made, covers exactly
// the tab control beside it.
bool liesOverItsStrip(HWND page)
{
    RECT place{};
    GetWindowRect(page, &place);
    for (HWND beside = GetWindow(page, GW_HWNDFIRST); beside; beside = GetWindow(beside, GW_HWNDNEXT)) {
        RECT strip{};
        if (classOf(beside) == "SysTabControl32" && GetWindowRect(beside, &strip) && EqualRect(&place, &strip))
            return true;
    }
    return false;
}

std::string describe(const RECT &rect)
{
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " + std::to_string(rect.right - rect.left)
           + "x" + std::to_string(rect.bottom - rect.top);
}

// What the program tells screen readers, as they would learn it on Windows:
// Wine's Dynamic Annotation service accepts nothing (E_NOTIMPL), so this
// one, registered for the process in its place, keeps each control's
// annotations; and the live-region events raised, from a WinEvent hook.
class ScreenReaderView final : public IAccPropServices, public IClassFactory
{
public:
    // "name", "description" (text), "live" (the LiveSetting number), per control.
    std::map<HWND, std::map<std::string, std::string>> annotations;
    // The controls a live-region event named, in order.
    std::vector<HWND> spoken;

    void start()
    {
        DWORD cookie = 0;
        expect(SUCCEEDED(CoRegisterClassObject(CLSID_AccPropServices, static_cast<IClassFactory *>(this),
                                               CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie)),
               "the annotation service cannot be replaced");
        expect(SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr, noteEvent,
                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT)
                   != nullptr,
               "no WinEvent hook");
    }

    std::string annotation(HWND control, const std::string &property) const
    {
        const auto found = annotations.find(control);
        if (found == annotations.end())
            return {};
        const auto value = found->second.find(property);
        return value == found->second.end() ? std::string() : value->second;
    }

    HRESULT WINAPI QueryInterface(REFIID iid, void **object) override
    {
        if (iid == IID_IUnknown || iid == IID_IClassFactory)
            *object = static_cast<IClassFactory *>(this);
        else if (iid == IID_IAccPropServices)
            *object = static_cast<IAccPropServices *>(this);
        else
            *object = nullptr;
        return *object ? S_OK : E_NOINTERFACE;
    }
    // One object for the whole run.
    ULONG WINAPI AddRef() override { return 2; }
    ULONG WINAPI Release() override { return 1; }

    HRESULT WINAPI CreateInstance(IUnknown *outer, REFIID iid, void **object) override
    {
        return outer ? CLASS_E_NOAGGREGATION : QueryInterface(iid, object);
    }
    HRESULT WINAPI LockServer(BOOL) override { return S_OK; }

    HRESULT WINAPI SetHwndProp(HWND control, DWORD object, DWORD child, MSAAPROPID property, VARIANT value) override
    {
        if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF || value.vt != VT_I4)
            return E_INVALIDARG;
        annotations[control][nameOf(property)] = std::to_string(value.lVal);
        return S_OK;
    }
    HRESULT WINAPI SetHwndPropStr(HWND control, DWORD object, DWORD child, MSAAPROPID property,
                                  LPCWSTR text) override
    {
        if (object != static_cast<DWORD>(OBJID_CLIENT) || child != CHILDID_SELF)
            return E_INVALIDARG;
        annotations[control][nameOf(property)] = ToUtf8(text);
        return S_OK;
    }
    HRESULT WINAPI ClearHwndProps(HWND control, DWORD, DWORD, const MSAAPROPID *properties, int count) override
    {
        for (int i = 0; i < count; ++i)
            annotations[control].erase(nameOf(properties[i]));
        if (annotations[control].empty())
            annotations.erase(control);
        return S_OK;
    }
    // Not used by the program.
    HRESULT WINAPI SetPropValue(const BYTE *, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetPropServer(const BYTE *, DWORD, const MSAAPROPID *, int, IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE *, DWORD, const MSAAPROPID *, int) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID *, int, IAccPropServer *,
                                     AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE **, DWORD *) override { return E_NOTIMPL; }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE *, DWORD, HWND *, DWORD *, DWORD *) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID *, int, IAccPropServer *, AnnoScope) override
    {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID *, int) override { return E_NOTIMPL; }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE **, DWORD *) override { return E_NOTIMPL; }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE *, DWORD, HMENU *, DWORD *) override { return E_NOTIMPL; }

private:
    static std::string nameOf(const MSAAPROPID &property)
    {
        // UI Automation's LiveSetting property.
        static constexpr GUID live{0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
        if (property == PROPID_ACC_NAME)
            return "name";
        if (property == PROPID_ACC_DESCRIPTION)
            return "description";
        return property == live ? "live" : "another property";
    }

    static void CALLBACK noteEvent(HWINEVENTHOOK, DWORD, HWND control, LONG object, LONG child, DWORD, DWORD);
};
ScreenReaderView screenReader;

void CALLBACK ScreenReaderView::noteEvent(HWINEVENTHOOK, DWORD, HWND control, LONG object, LONG child, DWORD, DWORD)
{
    // A screen reader asks the control's client object for its new text.
    screenReader.spoken.push_back(object == OBJID_CLIENT && child == CHILDID_SELF ? control : nullptr);
}

// A window whose handler fails, as a handler of the program might.
LRESULT CALLBACK failingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_APP)
        return DefWindowProcW(window, message, wParam, lParam);
    return platform::Guarded(
        [lParam]() -> LRESULT { throw std::runtime_error(reinterpret_cast<const char *>(lParam)); });
}

// The program with its windows shown, and a user at the keyboard and mouse.
class Player final
{
public:
    Player()
        : m_answerer(std::make_unique<BoxAnswerer>(GetCurrentThreadId(), m_seen))
    {
        m_program.start();
        settle();
    }
    ~Player()
    {
        forms::SetMessageBoxHook({});
        // The system as it was for the next scenario: Wine keeps changes
        // for as long as its server runs.
        if (!m_savedColours.empty())
            setColours(m_savedColours);
        if (m_savedMetrics && SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof *m_savedMetrics, &*m_savedMetrics, 0))
            metricsChanged();
    }
    Player(const Player &) = delete;
    Player &operator=(const Player &) = delete;

    void play(Op op, std::string_view target, std::string_view text);
    void play(Only op, std::string_view target, std::string_view text);

    // After each step of a random session: the program runs on with no
    // run-time error, every message box it opened was a warning and has been
    // answered, and its main window takes input.
    void expectRunning()
    {
        {
            const std::lock_guard guard(m_seen.lock);
            for (; m_checkedBoxes < m_seen.boxes.size(); ++m_checkedBoxes) {
                const SeenBox &box = m_seen.boxes[m_checkedBoxes];
                expect(box.request.style == forms::Exclamation,
                       "a message box: " + quoted(box.request.title) + ", " + quoted(box.request.prompt));
            }
        }
        expect(!m_exitStatus, "the program ended with exit status " + std::to_string(m_exitStatus.value_or(0)));
        expect(!openMessageBox(GetCurrentThreadId()), "a message box is still open");
        HWND main = m_program.main().hwnd();
        expect(main && IsWindowVisible(main) && IsWindowEnabled(main), "the main window takes no input");
    }

private:
    // Handles messages until none has come for a while; notes the exit
    // status when the program ends.
    void settle(int quietMilliseconds = 40)
    {
        const ULONGLONG giveUp = GetTickCount64() + 10000;
        for (;;) {
            MSG message{};
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) {
                    m_exitStatus = static_cast<int>(message.wParam);
                    continue;
                }
                const bool timer = message.message == WM_TIMER || message.message == WM_SYSTIMER;
                expect(timer || GetTickCount64() < giveUp, "the program does not settle: message "
                                                               + std::to_string(message.message) + " to "
                                                               + classOf(message.hwnd));
                platform::ProcessMessage(message);
            }
            // Timers (a caret's blinking, a button's animation) never stop.
            const DWORD woke = MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(quietMilliseconds),
                                                           QS_ALLINPUT & ~QS_TIMER, 0);
            if (woke == WAIT_TIMEOUT)
                return;
        }
    }

    HWND find(std::string_view name)
    {
        constexpr std::string_view about = "frmAbout.";
        HWND control = nullptr;
        if (name.starts_with(about)) {
            if (AboutBox *box = m_program.aboutBox())
                control = box->control(name.substr(about.size()));
        } else if (m_program.main().hwnd()) {
            control = m_program.main().control(name);
        }
        expect(control != nullptr, "no control " + quoted(name));
        return control;
    }

    std::string nameOf(HWND control)
    {
        if (!control)
            return "nothing";
        if (AboutBox *box = m_program.aboutBox(); box && GetAncestor(control, GA_ROOT) == box->hwnd())
            return "frmAbout." + std::string(box->controlName(control));
        const std::string_view name = m_program.main().hwnd() ? m_program.main().controlName(control) : "";
        return name.empty() ? "an unnamed " + classOf(control) : std::string(name);
    }

    // A click near the last one, sooner than the double-click time, would
    // make the two a double click, which no step means (on the menu bar it
    // opens no menu): the time is waited out first.
    void addClick(std::vector<INPUT> &inputs, POINT point)
    {
        const ULONGLONG doubleClickEnds = m_lastClickTime + GetDoubleClickTime() + 50;
        if (std::abs(point.x - m_lastClick.x) <= GetSystemMetrics(SM_CXDOUBLECLK)
            && std::abs(point.y - m_lastClick.y) <= GetSystemMetrics(SM_CYDOUBLECLK)
            && GetTickCount64() < doubleClickEnds)
            Sleep(static_cast<DWORD>(doubleClickEnds - GetTickCount64()));
        m_lastClick = point;
        m_lastClickTime = GetTickCount64();
        const double width = GetSystemMetrics(SM_CXSCREEN) - 1;
        const double height = GetSystemMetrics(SM_CYSCREEN) - 1;
        for (DWORD button :
             {0ul, static_cast<unsigned long>(MOUSEEVENTF_LEFTDOWN), static_cast<unsigned long>(MOUSEEVENTF_LEFTUP)}) {
            INPUT input{};
            input.type = INPUT_MOUSE;
            input.mi.dx = static_cast<LONG>(point.x * 65535.0 / width + 0.5);
            input.mi.dy = static_cast<LONG>(point.y * 65535.0 / height + 0.5);
            input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | button;
            inputs.push_back(input);
        }
    }

    void send(const std::vector<INPUT> &inputs)
    {
        SendInput(static_cast<UINT>(inputs.size()), const_cast<INPUT *>(inputs.data()), sizeof(INPUT));
        settle();
    }

    void clickAt(POINT point, HWND expected)
    {
        HWND hit = WindowFromPoint(point);
        expect(hit == expected || IsChild(expected, hit), nameOf(expected) + " is covered by " + nameOf(hit));
        std::vector<INPUT> inputs;
        addClick(inputs, point);
        send(inputs);
    }

    void click(std::string_view name)
    {
        HWND control = find(name);
        expect(platform::IsReachable(control), std::string(name) + " cannot be clicked");
        RECT area{};
        GetWindowRect(control, &area);
        clickAt({(area.left + area.right) / 2, (area.top + area.bottom) / 2}, control);
    }

    void clickTab(std::string_view name, int index)
    {
        HWND strip = find(name);
        RECT tab{};
        expect(TabCtrl_GetItemRect(strip, index, &tab), "no tab " + std::to_string(index));
        POINT centre{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2};
        ClientToScreen(strip, &centre);
        clickAt(centre, strip);
    }

    static void addKey(std::vector<INPUT> &inputs, WORD key, bool up, bool extended)
    {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
        inputs.push_back(input);
    }

    // Each word is a chord ("Shift+Tab"); all are sent before the program
    // handles any, so a menu opened by one sees the next.
    static void addKeys(std::vector<INPUT> &inputs, std::string_view keys)
    {
        // The keypad's Enter is the extended Return.
        static const std::map<std::string_view, std::pair<WORD, bool>> named{
            {"Return", {VK_RETURN, false}}, {"Enter", {VK_RETURN, true}},  {"Tab", {VK_TAB, false}},
            {"Escape", {VK_ESCAPE, false}}, {"Space", {VK_SPACE, false}},  {"F2", {VK_F2, false}},
            {"Left", {VK_LEFT, true}},      {"Right", {VK_RIGHT, true}},   {"Home", {VK_HOME, true}},
            {"Shift", {VK_SHIFT, false}},   {"Ctrl", {VK_CONTROL, false}}, {"Alt", {VK_MENU, false}},
        };
        const auto keyOf = [](std::string_view name) {
            if (const auto found = named.find(name); found != named.end())
                return found->second;
            expect(name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z', "no key " + quoted(name));
            return std::pair<WORD, bool>{static_cast<WORD>(name[0]), false};
        };
        for (std::string_view chord : words(keys)) {
            std::vector<std::pair<WORD, bool>> held;
            for (std::size_t plus; (plus = chord.find('+')) != std::string_view::npos; chord.remove_prefix(plus + 1))
                held.push_back(keyOf(chord.substr(0, plus)));
            const auto [key, extended] = keyOf(chord);
            for (const auto &[modifier, modifierExtended] : held)
                addKey(inputs, modifier, false, modifierExtended);
            addKey(inputs, key, false, extended);
            addKey(inputs, key, true, extended);
            for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier)
                addKey(inputs, modifier->first, true, modifier->second);
        }
    }

    void press(std::string_view keys)
    {
        std::vector<INPUT> inputs;
        addKeys(inputs, keys);
        send(inputs);
    }

    void type(std::string_view text)
    {
        std::vector<INPUT> inputs;
        for (wchar_t unit : FromUtf8(text)) {
            for (DWORD up : {0ul, static_cast<unsigned long>(KEYEVENTF_KEYUP)}) {
                INPUT input{};
                input.type = INPUT_KEYBOARD;
                input.ki.wScan = unit;
                input.ki.dwFlags = KEYEVENTF_UNICODE | up;
                inputs.push_back(input);
            }
        }
        send(inputs);
    }

    // A click on the menu in Main's menu bar, then the item's access key.
    void choose(std::string_view item)
    {
        HWND main = m_program.main().hwnd();
        for (UINT index = 0; index < MainMenus.size(); ++index) {
            const forms::MenuDesign &menu = MainMenus[index];
            if (menu.itemName != item)
                continue;
            RECT title{};
            expect(GetMenuItemRect(main, GetMenu(main), index, &title), "no menu " + quoted(menu.menuName));
            const std::size_t amp = menu.itemCaption.find('&');
            expect(amp + 1 < menu.itemCaption.size(), "no access key in " + quoted(menu.itemCaption));
            std::vector<INPUT> inputs;
            addClick(inputs, {(title.left + title.right) / 2, (title.top + title.bottom) / 2});
            addKeys(inputs, std::string(1, static_cast<char>(
                                               std::toupper(static_cast<unsigned char>(menu.itemCaption[amp + 1])))));
            send(inputs);
            return;
        }
        throw Failure("no menu item " + quoted(item));
    }

    void closeBox(HWND window)
    {
        // Without a window manager there is no title bar to click; this is
        // what its close box sends.
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        settle();
    }

    std::string toolTipOf(HWND label)
    {
        for (const auto &page : m_program.main().pages()) {
            for (const ConverterRow &row : page->rows()) {
                if (row.result->hwnd() != label)
                    continue;
                wchar_t tip[256]{};
                TTTOOLINFOW tool{};
                tool.cbSize = TTTOOLINFOW_V2_SIZE;
                tool.hwnd = GetParent(label);
                tool.uId = reinterpret_cast<UINT_PTR>(label);
                tool.lpszText = tip;
                SendMessageW(row.result->toolTipWindow(), TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
                return ToUtf8(tip);
            }
        }
        throw Failure(nameOf(label) + " has no tooltip");
    }

    static BOOL CALLBACK noteDrawnDefault(HWND window, LPARAM data)
    {
        if (SendMessageW(window, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            reinterpret_cast<std::vector<HWND> *>(data)->push_back(window);
        return TRUE;
    }

    // The designated default (DM_GETDEFID), and the look: the focused push
    // button is drawn as default, else the designated one, and no other.
    void expectDefault(std::string_view name)
    {
        HWND main = m_program.main().hwnd();
        const LRESULT answer = SendMessageW(main, DM_GETDEFID, 0, 0);
        HWND designated = name.empty() ? nullptr : find(name);
        expect(designated ? HIWORD(answer) == DC_HASDEFID && LOWORD(answer) == GetDlgCtrlID(designated) : answer == 0,
               "the default button is not " + nameOf(designated));
        std::vector<HWND> drawn;
        EnumChildWindows(main, noteDrawnDefault, reinterpret_cast<LPARAM>(&drawn));
        HWND focus = GetFocus();
        const bool buttonFocused =
            SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
        HWND shown = buttonFocused ? focus : designated;
        std::string drawnNames;
        for (HWND button : drawn)
            drawnNames += " " + nameOf(button);
        expect(drawn.size() == (shown ? 1u : 0u) && (!shown || drawn.front() == shown),
               "drawn as default:" + drawnNames + ", not " + nameOf(shown));
    }

    std::string openWindows()
    {
        std::string open;
        if (HWND main = m_program.main().hwnd(); main && IsWindowVisible(main))
            open = "Main";
        if (AboutBox *box = m_program.aboutBox(); box && IsWindowVisible(box->hwnd()))
            open += open.empty() ? "frmAbout" : "+frmAbout";
        return open;
    }

    void expectAboutCentred()
    {
        AboutBox *box = m_program.aboutBox();
        expect(box && GetForegroundWindow() == box->hwnd(), "the About box is not in front");
        expect(GetFocus() == box->control(AboutOkName), "OK does not have the focus");
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(box->hwnd(), MONITOR_DEFAULTTOPRIMARY), &monitor);
        RECT frame{};
        GetWindowRect(box->hwnd(), &frame);
        const RECT &area = monitor.rcWork;
        expect(std::abs((frame.left + frame.right) - (area.left + area.right)) <= 1
                   && std::abs((frame.top + frame.bottom) - (area.top + area.bottom)) <= 1,
               "the About box is not centred");
    }

    // The one box shown since the last check.
    SeenBox nextBox()
    {
        const std::lock_guard guard(m_seen.lock);
        expect(m_seen.boxes.size() == m_checkedBoxes + 1,
               std::to_string(m_seen.boxes.size() - m_checkedBoxes) + " message boxes since the last check");
        return m_seen.boxes[m_checkedBoxes++];
    }

    void expectBox(std::string_view title, std::string_view prompt, int icon)
    {
        const SeenBox box = nextBox();
        expect(box.request.title == title && box.request.prompt == prompt && box.request.style == icon,
               "the box was " + quoted(box.request.title) + ", " + quoted(box.request.prompt) + ", style "
                   + std::to_string(box.request.style));
        expect(box.buttons.empty() || box.buttons == "OK", "the box's buttons were " + box.buttons);
        expect(box.enabledWindows.empty(), "while the box was open, input reached" + box.enabledWindows);
    }

    void hookBoxes(std::string_view input, std::string_view result)
    {
        m_answerer.reset();
        {
            const std::lock_guard guard(m_seen.lock);
            m_seen.row = {input.empty() ? nullptr : find(input), result.empty() ? nullptr : find(result)};
        }
        forms::SetMessageBoxHook([this](const forms::MessageRequest &request) {
            m_seen.add({request, {}, textOf(m_seen.row.input), textOf(m_seen.row.result), {}});
        });
    }

    HWND windowNamed(std::string_view name)
    {
        HWND window = nullptr;
        if (name == AboutWindowDesign.name)
            window = m_program.aboutBox() ? m_program.aboutBox()->hwnd() : nullptr;
        else if (name == MainWindowDesign.name)
            window = m_program.main().hwnd();
        expect(window != nullptr, "no window " + quoted(name));
        return window;
    }

    int dpiOf(HWND window)
    {
        const auto told = m_toldDpi.find(window);
        return told == m_toldDpi.end() ? systemDpi : told->second;
    }

    // What Windows sends when the window moves to a monitor of another DPI:
    // the frame scaled to it, at the place the window goes to.
    void changeDpi(std::string_view name, int dpi)
    {
        HWND window = windowNamed(name);
        RECT frame{};
        GetWindowRect(window, &frame);
        const int from = dpiOf(window);
        const POINT place{frame.left + 8, frame.top + 8};
        const RECT suggested{place.x, place.y, place.x + MulDiv(frame.right - frame.left, dpi, from),
                             place.y + MulDiv(frame.bottom - frame.top, dpi, from)};
        m_toldDpi[window] = dpi;
        staleFont = {};
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, watchFonts, nullptr, GetCurrentThreadId());
        expect(hook != nullptr, "no message hook");
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        UnhookWindowsHookEx(hook);
        settle();
        expect(!staleFont.control, nameOf(staleFont.control) + " got message " + std::to_string(staleFont.message)
                                       + " while it held a freed font");
        GetWindowRect(window, &frame);
        expect(frame.left == place.x && frame.top == place.y, "the window is not at the suggested place");
    }

    // What Windows does when the user picks other colours (high contrast,
    // a new accent): the colours `text` ("ButtonFace=255,200,0 ...") are set
    // and every top-level window is told. The common controls on the
    // program's windows (tab strips, tooltips) must be told too.
    void changeColours(std::string_view text)
    {
        std::map<int, COLORREF> colours;
        for (std::string_view word : words(text)) {
            const std::size_t equals = word.find('=');
            const int index = colourIndex(word.substr(0, equals));
            int red = 0, green = 0, blue = 0;
            expect(std::sscanf(std::string(word.substr(equals + 1)).c_str(), "%d,%d,%d", &red, &green, &blue) == 3,
                   "no colour in " + quoted(word));
            m_savedColours.try_emplace(index, GetSysColor(index));
            colours[index] = RGB(red, green, blue);
        }
        toldOfColours.clear();
        HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, watchColours, nullptr, GetCurrentThreadId());
        expect(hook != nullptr, "no message hook");
        const bool changed = setColours(colours);
        UnhookWindowsHookEx(hook);
        expect(changed, "the colours could not be changed");
        settle();
        for (HWND window : windowsOfThread()) {
            const std::string kind = classOf(window);
            const bool common = kind == ToUtf8(WC_TABCONTROLW) || kind == ToUtf8(TOOLTIPS_CLASSW);
            expect(!common || std::find(toldOfColours.begin(), toldOfColours.end(), window) != toldOfColours.end(),
                   nameOf(window) + " was not told of the new colours");
        }
    }

    static bool setColours(const std::map<int, COLORREF> &wanted)
    {
        std::vector<int> indices;
        std::vector<COLORREF> colours;
        for (const auto &[index, colour] : wanted) {
            indices.push_back(index);
            colours.push_back(colour);
        }
        return SetSysColors(static_cast<int>(indices.size()), indices.data(), colours.data()) != FALSE;
    }

    // The screen shows the system colour `colour` at a place of `name`
    // where nothing lies on it: in a strip's page by the bottom-left corner,
    // at the middle of the About box's right edge, at the middle of an
    // empty label.
    void expectPainted(std::string_view name, std::string_view colour)
    {
        POINT place{};
        HWND window = nullptr;
        if (name == AboutWindowDesign.name) {
            window = windowNamed(name);
            RECT client{};
            GetClientRect(window, &client);
            place = {client.right - 3, client.bottom / 2};
        } else {
            window = find(name);
            RECT area{};
            GetClientRect(window, &area);
            if (classOf(window) == ToUtf8(WC_TABCONTROLW)) {
                TabCtrl_AdjustRect(window, FALSE, &area);
                place = {area.left + 3, area.bottom - 4};
            } else {
                place = {area.right / 2, area.bottom / 2};
            }
        }
        ClientToScreen(window, &place);
        HWND hit = WindowFromPoint(place);
        expect(GetAncestor(hit, GA_ROOT) == GetAncestor(window, GA_ROOT),
               std::string(name) + " is covered by " + nameOf(hit));
        HDC screen = GetDC(nullptr);
        const COLORREF shown = GetPixel(screen, place.x, place.y);
        ReleaseDC(nullptr, screen);
        const COLORREF wanted = GetSysColor(colourIndex(colour));
        char text[80];
        std::snprintf(text, sizeof text, " shows #%02X%02X%02X, not #%02X%02X%02X", GetRValue(shown), GetGValue(shown),
                      GetBValue(shown), GetRValue(wanted), GetGValue(wanted), GetBValue(wanted));
        expect(shown == wanted, std::string(name) + text);
    }

    // The message and menu fonts become `text` points high, as when the user
    // picks another size or a theme that brings its own: by a change of
    // settings (`how` "settings") or of the theme ("theme"). The change is
    // made for the session only, and the message sent here as Windows sends
    // it: Wine sends WM_SETTINGCHANGE only for a change it also saves, and
    // WM_THEMECHANGED only when its own theme is switched.
    void changeMetrics(std::string_view how, std::string_view text)
    {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        expect(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0), "no metrics");
        if (!m_savedMetrics)
            m_savedMetrics = metrics;
        const int height = -MulDiv(std::stoi(std::string(text)), static_cast<int>(GetDpiForSystem()), 72);
        metrics.lfMessageFont.lfHeight = height;
        metrics.lfMenuFont.lfHeight = height;
        expect(SystemParametersInfoW(SPI_SETNONCLIENTMETRICS, sizeof metrics, &metrics, 0),
               "the metrics could not be changed");
        if (how == "settings") {
            metricsChanged();
        } else {
            for (HWND window : windowsOfThread())
                SendMessageW(window, WM_THEMECHANGED, 0, 0);
        }
        settle();
    }

    static void metricsChanged()
    {
        SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, SPI_SETNONCLIENTMETRICS,
                            reinterpret_cast<LPARAM>(L"WindowMetrics"), SMTO_ABORTIFHUNG, 2000, nullptr);
    }

    void expectLayout(std::string_view name)
    {
        HWND window = windowNamed(name);
        const bool about = name == AboutWindowDesign.name;
        const forms::WindowDesign &design = about ? AboutWindowDesign : MainWindowDesign;
        const int dpi = dpiOf(window);
        const std::string at = " at " + std::to_string(dpi) + " DPI";
        RECT client{};
        GetClientRect(window, &client);
        const RECT designedClient{0, 0, forms::TwipsToPixels(design.clientWidth, dpi),
                                  forms::TwipsToPixels(design.clientHeight, dpi)};
        expect(EqualRect(&client, &designedClient),
               std::string(name) + "'s client area is " + describe(client) + at + ", not " + describe(designedClient));
        for (const DesignedControl &control : designedControls(name)) {
            // A page is made when first shown: its controls may not exist yet.
            HWND native = about ? m_program.aboutBox()->control(control.name) : m_program.main().control(control.name);
            if (!native)
                continue;
            RECT place{};
            GetWindowRect(native, &place);
            MapWindowPoints(nullptr, GetParent(native), reinterpret_cast<POINT *>(&place), 2);
            const int left = forms::TwipsToPixels(control.rect.left, dpi);
            const int top = forms::TwipsToPixels(control.rect.top, dpi);
            const RECT designed{left, top, left + forms::TwipsToPixels(control.rect.width, dpi),
                                top + forms::TwipsToPixels(control.rect.height, dpi)};
            expect(EqualRect(&place, &designed),
                   control.name + " is at " + describe(place) + at + ", not " + describe(designed));
            if (GetParent(native) != window)
                expect(liesOverItsStrip(GetParent(native)), control.name + "'s page is not over its strip" + at);
            if (!control.hasFont)
                continue;
            const auto font = reinterpret_cast<HFONT>(SendMessageW(native, WM_GETFONT, 0, 0));
            LOGFONTW facts{};
            expect(font && GetObjectW(font, sizeof facts, &facts) == sizeof facts, control.name + " has no live font");
            const int height = designedHeight(control.font, design.font, dpi);
            expect(facts.lfHeight == height, control.name + "'s font is " + std::to_string(facts.lfHeight)
                                                 + " pixels high" + at + ", not " + std::to_string(height));
        }
    }

    void fail(std::string_view reason)
    {
        WNDCLASSEXW failing{};
        failing.lpfnWndProc = failingProc;
        failing.lpszClassName = L"Orvanta.Test.Failing";
        platform::RegisterWindowClass(failing);
        HWND window = CreateWindowExW(0, failing.lpszClassName, nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                      platform::ProgramInstance(), nullptr);
        const std::string text(reason);
        SendMessageW(window, WM_APP, 0, reinterpret_cast<LPARAM>(text.c_str()));
        DestroyWindow(window);
        settle();
    }

    void expectExit(int status)
    {
        expect(m_exitStatus.has_value(), "the program did not end");
        expect(*m_exitStatus == status, "exit status " + std::to_string(*m_exitStatus));
        expect(openWindows().empty() && !m_program.main().hwnd() && !m_program.aboutBox(), "a window is left");
        // An annotation left behind would describe whatever window gets the handle next.
        expect(screenReader.annotations.empty(),
               std::to_string(screenReader.annotations.size()) + " controls keep their annotations");
    }

    // The labels a live-region event named since the last check.
    void expectSpoken(std::string_view names)
    {
        std::string spoken;
        for (; m_checkedSpoken < screenReader.spoken.size(); ++m_checkedSpoken)
            spoken += (spoken.empty() ? "" : " ") + nameOf(screenReader.spoken[m_checkedSpoken]);
        expect(spoken == names, "screen readers were told of " + quoted(spoken));
    }

    Program m_program;
    std::optional<int> m_exitStatus;
    SeenBoxes m_seen;
    std::size_t m_checkedBoxes = 0;
    std::size_t m_checkedSpoken = screenReader.spoken.size();
    std::unique_ptr<BoxAnswerer> m_answerer;
    // The DPI each window was told of last (ChangeDpi).
    std::map<HWND, int> m_toldDpi;
    POINT m_lastClick{-1000, -1000};
    ULONGLONG m_lastClickTime = 0;
    // The system's colours and metrics before a scenario changed them.
    std::map<int, COLORREF> m_savedColours;
    std::optional<NONCLIENTMETRICSW> m_savedMetrics;
};

void Player::play(Op op, std::string_view target, std::string_view text)
{
    switch (op) {
    case Op::ClickTab:
        clickTab(target, std::stoi(std::string(text)));
        break;
    case Op::ClickInto:
    case Op::Click:
        click(target);
        break;
    case Op::Type:
        type(text);
        break;
    case Op::Press:
        press(text);
        break;
    case Op::Choose:
        choose(target);
        break;
    case Op::EndsBy:
        if (target == "Ctrl+Q")
            press(target);
        else if (target == "close Main")
            closeBox(m_program.main().hwnd());
        else if (target.starts_with("mnu"))
            choose(target);
        else
            click(target);
        expectExit(0);
        break;
    case Op::ExpectText:
    case Op::ExpectCaption: {
        const std::string shown = textOf(find(target));
        expect(shown == text, std::string(target) + " shows " + quoted(shown));
        break;
    }
    case Op::ExpectTip: {
        const std::string tip = toolTipOf(find(target));
        expect(tip == text, std::string(target) + "'s tip is " + quoted(tip));
        // Screen readers read the tip as the label's description.
        const std::string description = screenReader.annotation(find(target), "description");
        expect(description == text, std::string(target) + "'s description is " + quoted(description));
        break;
    }
    case Op::ExpectFocus:
        expect(GetFocus() == find(target), "the focus is on " + nameOf(GetFocus()));
        break;
    case Op::ExpectDefault:
        expectDefault(target);
        break;
    case Op::ExpectWarning:
        expectBox(target, text, forms::Exclamation);
        break;
    case Op::ExpectNoWarning: {
        const std::lock_guard guard(m_seen.lock);
        expect(m_seen.boxes.size() == m_checkedBoxes, "a message box opened");
        break;
    }
    case Op::ExpectWindows: {
        const std::string open = openWindows();
        expect(open == text, "the windows open are " + quoted(open));
        break;
    }
    }
}

void Player::play(Only op, std::string_view target, std::string_view text)
{
    switch (op) {
    case Only::TabWalk:
        for (std::string_view name : words(text)) {
            press(target == "back" ? "Shift+Tab" : "Tab");
            expect(GetFocus() == find(name), "Tab went to " + nameOf(GetFocus()) + ", not " + quoted(name));
        }
        break;
    case Only::ExpectTab: {
        const int tab = TabCtrl_GetCurSel(find(target));
        expect(std::to_string(tab) == text, std::string(target) + " is on page " + std::to_string(tab));
        break;
    }
    case Only::ExpectShown: {
        // A page is made when first shown: its controls may not exist yet.
        const bool shown = text == "no" && !m_program.main().control(target) ? false
                                                                             : platform::IsReachable(find(target));
        expect(shown == (text == "yes"), std::string(target) + (shown ? " is shown" : " is hidden"));
        break;
    }
    case Only::HookBoxes:
        hookBoxes(target, text);
        break;
    case Only::ExpectBoxSaw: {
        const std::lock_guard guard(m_seen.lock);
        expect(!m_seen.boxes.empty(), "no message box opened");
        const SeenBox &box = m_seen.boxes.back();
        expect(box.inputWhileOpen == target && box.captionWhileOpen == text, "while the box was open the row showed "
                                                                                 + quoted(box.inputWhileOpen) + " and "
                                                                                 + quoted(box.captionWhileOpen));
        break;
    }
    case Only::ExpectError:
        expectBox(target, text, forms::Critical);
        break;
    case Only::CloseAbout:
        expect(m_program.aboutBox() != nullptr, "the About box is not open");
        closeBox(m_program.aboutBox()->hwnd());
        break;
    case Only::ExpectAboutCentred:
        expectAboutCentred();
        break;
    case Only::Fail:
        fail(text);
        break;
    case Only::ExpectExit:
        expectExit(std::stoi(std::string(text)));
        break;
    case Only::ChangeDpi:
        changeDpi(target, std::stoi(std::string(text)));
        break;
    case Only::ExpectLayout:
        expectLayout(target);
        break;
    case Only::ExpectLiveRegion: {
        const std::string live = screenReader.annotation(find(target), "live");
        expect(live == text, std::string(target) + "'s live setting is " + quoted(live));
        break;
    }
    case Only::ExpectSpoken:
        expectSpoken(text);
        break;
    case Only::ChangeColours:
        changeColours(text);
        break;
    case Only::ExpectPainted:
        expectPainted(target, text);
        break;
    case Only::ChangeMetrics:
        changeMetrics(target, text);
        break;
    }
}

// Without a window manager (Xvfb), Wine waits two seconds for one each time
// a window it lets the manager handle closes. This program's windows are set
// to be left alone (AppDefaults) and the program runs again; nullopt when
// that is done already or not under Wine.
std::optional<int> rerunUnmanaged()
{
    if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"))
        return std::nullopt;
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const std::wstring_view file = std::wstring_view(path).substr(std::wstring_view(path).find_last_of(L"\\/") + 1);
    const std::wstring key = L"Software\\Wine\\AppDefaults\\" + std::wstring(file) + L"\\X11 Driver";
    wchar_t managed[4]{};
    DWORD size = sizeof managed;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"Managed", RRF_RT_REG_SZ, nullptr, managed, &size)
            == ERROR_SUCCESS
        && managed[0] == L'N')
        return std::nullopt;
    RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Managed", REG_SZ, L"N", 2 * sizeof(wchar_t));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(path, GetCommandLineW(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
        return std::nullopt;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

// Plays one scenario on a fresh program; true when every step held. A
// random session checks after each step that the program runs on.
template<typename Steps>
bool playScenario(std::string_view name, const Steps &steps, bool tracing, bool random = false)
{
    const ULONGLONG started = GetTickCount64();
    std::size_t number = 0;
    std::string failure;
    try {
        Player player;
        for (const auto &step : steps) {
            ++number;
            if (tracing)
                std::fprintf(stderr, "  step %zu: %s %s\n", number, quoted(step.target).c_str(),
                             quoted(step.text).c_str());
            if constexpr (std::is_same_v<std::decay_t<decltype(step.op)>, Op>) {
                player.play(step.op, step.target, step.text);
                if (random && step.op != Op::EndsBy)
                    player.expectRunning();
            } else
                std::visit([&](auto op) { player.play(op, step.target, step.text); }, step.op);
        }
    } catch (const std::exception &error) {
        failure = error.what();
    }
    const double seconds = static_cast<double>(GetTickCount64() - started) / 1000;
    if (failure.empty())
        std::printf("PASS %.*s (%.1f s)\n", static_cast<int>(name.size()), name.data(), seconds);
    else
        std::printf("FAIL %.*s, step %zu: %s\n", static_cast<int>(name.size()), name.data(), number, failure.c_str());
    std::fflush(stdout);
    return failure.empty();
}

bool playRandomSession(bool tracing)
{
    const scenarios::MonkeySession session;
    // Printed first: a session that brings the process down prints nothing after.
    std::printf("playing %s\n", session.name().c_str());
    std::fflush(stdout);
    return playScenario(session.name(), session.steps(), tracing, true);
}

} // namespace
} // namespace orvanta::test

// win32_scenarios [--dpi N]: with --dpi, the system runs at N DPI, and only
// the scenarios about DPI are played.
int wmain(int argc, wchar_t **argv)
{
    using namespace orvanta;
    if (!GetEnvironmentVariableW(L"DISPLAY", nullptr, 0)) {
        std::puts("no X display: skipped (scripts/test-windows runs the tests under Xvfb)");
        return 77;
    }
    const bool dpiOnly = argc == 3 && std::wstring_view(argv[1]) == L"--dpi";
    if (dpiOnly) {
        test::systemDpi = std::stoi(argv[2]);
        if (static_cast<int>(GetDpiForSystem()) != test::systemDpi) {
            std::printf("FAIL the system runs at %u DPI, not %d\n", GetDpiForSystem(), test::systemDpi);
            return 1;
        }
    }
    if (const std::optional<int> status = test::rerunUnmanaged())
        return *status;
    // What wWinMain sets up before the program's windows. COM stays up
    // between the scenarios' programs: tearing it down each time costs Wine
    // seconds.
    const platform::GuardedApplication app;
    try {
        test::screenReader.start();
    } catch (const test::Failure &failure) {
        std::printf("FAIL %s\n", failure.what());
        return 1;
    }
    // ORVANTA_TRACE=1 prints each step before it is played.
    const bool tracing = GetEnvironmentVariableW(L"ORVANTA_TRACE", nullptr, 0) != 0;
    int failed = 0;
    int played = 0;
    const auto count = [&](bool passed) {
        ++played;
        failed += passed ? 0 : 1;
    };
    for (const scenarios::Scenario &scenario : scenarios::Scenarios()) {
        if (!dpiOnly)
            count(test::playScenario(scenario.name, scenario.steps, tracing));
    }
    for (const scenarios::ExtraScenario &scenario : scenarios::ExtraScenarios()) {
        if (!dpiOnly || scenario.name.find("DPI") != std::string_view::npos)
            count(test::playScenario(scenario.name, scenario.steps, tracing));
    }
    if (!dpiOnly)
        count(test::playRandomSession(tracing));
    std::printf("%d of %d scenarios failed\n", failed, played);
    return failed == 0 ? 0 : 1;
}
