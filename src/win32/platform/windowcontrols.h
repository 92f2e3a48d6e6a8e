#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <windows.h>

#include "accessibility.h"
#include "defaultbutton.h"
#include "design.h"
#include "fonts.h"
#include "forms.h"

namespace orvanta::platform {

class Picture;

// The controls of one top-level window, made from the shared design records.
// A control's kind picks its window class and styles, its twips become
// pixels at the window's DPI; the rest comes from the record (name, caption,
// font, alignment, accessible name and description).
//
// The window procedure passes its controls' notifications here (WM_COMMAND,
// DM_GETDEFID, DM_SETDEFID), which runs the handlers given for them.
class WindowControls final
{
public:
    WindowControls(HWND window, const forms::FontDesign &windowFont);
    WindowControls(const WindowControls &) = delete;
    WindowControls &operator=(const WindowControls &) = delete;

    // Creates the control on parent (the window or a page on it), placed in
    // parent's coordinates, and registers it under its design name.
    HWND create(const forms::ControlDesign &design, HWND parent);
    // The same, as the controls the forms operations work on; they live as
    // long as this object. A label shows its tooltip and tells screen readers
    // about it.
    forms::TextBox *createTextBox(const forms::ControlDesign &design, HWND parent);
    forms::CommandButton *createCommandButton(const forms::ControlDesign &design, HWND parent);
    forms::Label *createLabel(const forms::ControlDesign &design, HWND parent);
    // Registers a control made elsewhere (a tab strip) under its design name.
    void add(std::string_view name, HWND control);
    // The control of that design name, or nullptr; and the other way round.
    HWND find(std::string_view name) const;
    std::string_view nameOf(HWND control) const;
    // A unique control ID; IDs below 1000 stay free for IDOK and IDCANCEL.
    int newId() { return m_nextId++; }

    // What a button's click and an edit's getting the focus run.
    void onClick(HWND button, std::function<void()> handler);
    void onGotFocus(HWND edit, std::function<void()> handler);
    void onClick(forms::CommandButton *button, std::function<void()> handler) { onClick(button->hwnd, std::move(handler)); }
    void onGotFocus(forms::TextBox *box, std::function<void()> handler) { onGotFocus(box->hwnd, std::move(handler)); }
    // Shows picture in a Picture control.
    void setPicture(HWND control, const Picture *picture);

    // The window's one tooltip control, made on first use, and a tool for a
    // label with no tip yet. The label shows no tip while its text is empty.
    HWND toolTip();
    void addToolTip(HWND label);

    // WM_COMMAND from a control (or sent on its behalf by IsDialogMessageW);
    // false when it is not one of these controls'.
    bool command(int id, int code);
    DefaultButtonController &defaultButton() { return m_defaultButton; }
    AccessibleAnnotations &annotations() { return m_annotations; }

    WindowFonts &fonts() { return m_fonts; }
    int dpi() const { return m_fonts.dpi(); }
    // Gives every control its font for dpi, then places and sizes it again.
    // Hands back the fonts of the old DPI, to be freed once every other
    // control of the window (a tab strip) has its new font too.
    [[nodiscard]] std::vector<UniqueFont> setDpi(int dpi);

    // Called on WM_DESTROY, while the controls still exist.
    void release();

private:
    struct Entry
    {
        std::string name;
        HWND control;
        int id;
        // Empty for controls made elsewhere; setDpi leaves those alone.
        forms::TwipsRect rect;
        forms::FontDesign font;
        bool designed;
        std::function<void()> clicked;
        std::function<void()> gotFocus;
    };

    Entry *entryOf(HWND control);
    Entry *entryOf(int id);

    HWND m_window;
    WindowFonts m_fonts;
    DefaultButtonController m_defaultButton;
    AccessibleAnnotations m_annotations;
    HWND m_toolTip = nullptr;
    std::vector<Entry> m_entries;
    std::deque<forms::TextBox> m_textBoxes;
    std::deque<forms::CommandButton> m_buttons;
    std::deque<forms::Label> m_labels;
    int m_nextId = 1000;
};

// Sets the tip a tool of addToolTip shows.
void SetToolTip(HWND toolTip, HWND control, std::string_view text);

// Orders the focusable controls so that the Tab key visits them in the given
// order. IsDialogMessageW walks the windows in Z-order and descends into
// pages (WS_EX_CONTROLPARENT): each control and the pages it lies on are
// moved to the bottom in order of first appearance.
void SetTabOrder(HWND window, const std::vector<HWND> &order);

} // namespace orvanta::platform
