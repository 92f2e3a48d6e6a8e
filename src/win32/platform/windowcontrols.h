#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <windows.h>

#include "accessibleannotations.h"
#include "adapter.h"
#include "defaultbutton.h"
#include "design.h"
#include "fonts.h"
#include "tooltips.h"

namespace orvanta::platform {

class NativeControl;
class StaticPicture;

// The controls of one top-level window: each made from its design record as
// an object of its kind (EditBox, PushButton, StaticLabel, StaticPicture,
// TabStrip), owned here and found by its design name or its control ID. The
// window procedure passes its controls' notifications here (WM_COMMAND,
// WM_NOTIFY), and each goes to the control that sent it. Accessible names
// and descriptions come from the records.
class WindowControls final
{
public:
    // Under Wine every native control costs about a millisecond to make, and
    // most of the page controls start hidden: a page, and a strip on a page,
    // is made when first shown.
    static constexpr bool MakesPagesWhenShown = true;

    WindowControls(HWND window, const forms::WindowDesign &design);
    ~WindowControls();
    WindowControls(const WindowControls &) = delete;
    WindowControls &operator=(const WindowControls &) = delete;

    // Each made on parent (the window or a page on it), placed in parent's
    // coordinates.
    forms::TextBox *createTextBox(const forms::ControlDesign &design, forms::Container *parent);
    forms::CommandButton *createCommandButton(const forms::ControlDesign &design, forms::Container *parent);
    forms::Label *createLabel(const forms::ControlDesign &design, forms::Container *parent);
    StaticPicture *createPicture(const forms::ControlDesign &design, forms::Container *parent);
    forms::TabStrip *createTabStrip(const forms::StripDesign &design, forms::Container *parent);

    void onClick(forms::CommandButton *button, std::function<void()> handler);
    void onGotFocus(forms::TextBox *box, std::function<void()> handler);

    // Orders the focusable controls so that the Tab key visits them in the
    // given order (forms::StackInTabOrder): IsDialogMessageW walks the
    // windows in Z-order and descends into pages (WS_EX_CONTROLPARENT).
    void setTabOrder(const std::vector<std::string> &order);

    // The control of that design name (a strip's tab control), or nullptr;
    // and the other way round.
    HWND find(std::string_view name) const;
    std::string_view nameOf(HWND control) const;
    // A unique control ID; IDs below 1000 stay free for IDOK and IDCANCEL.
    int newId() { return m_nextId++; }

    // WM_COMMAND from a control (or sent on its behalf by IsDialogMessageW),
    // and WM_NOTIFY; ignored when it is not one of these controls'.
    void command(int id, UINT code);
    void notify(const NMHDR &header);

    DefaultButtonController &defaultButton() { return m_defaultButton; }
    int dpi() const { return m_fonts.dpi(); }
    // Gives every control its font for dpi, then places and sizes it again.
    // Hands back the fonts of the old DPI, to be freed once every control
    // has its new font.
    [[nodiscard]] std::vector<UniqueFont> setDpi(int dpi);

    // Called on WM_DESTROY, while the controls still exist: no handler runs
    // from then on.
    void release();

private:
    template<class Control>
    Control *add(std::unique_ptr<Control> control, const forms::ControlDesign &design);
    NativeControl *byId(int id) const;

    HWND m_window;
    std::string_view m_defaultName;
    WindowFonts m_fonts;
    DefaultButtonController m_defaultButton;
    AccessibleAnnotations m_annotations;
    ToolTips m_toolTips;
    std::vector<std::unique_ptr<NativeControl>> m_controls;
    std::map<std::string, NativeControl *, std::less<>> m_byName;
    std::unordered_map<int, NativeControl *> m_byId;
    int m_nextId = 1000;
};

static_assert(forms::WindowControlsLike<WindowControls>);

} // namespace orvanta::platform
