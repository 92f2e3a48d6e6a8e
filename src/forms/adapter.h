#pragma once

// What a toolkit adapter provides to the shared code, stated once. The
// shared code (src/ui, src/app) makes and drives the program's windows only
// through what is named here. Each adapter checks its types against these
// concepts where it defines them, so an adapter that drifts fails to build
// with the requirement it misses. An adapter's platform/ folder holds:
//
//   formscontrols.h       the control types of the forms operations,
//                         declared only: TextBox, Label, CommandButton,
//                         TabStrip, Container (what controls are made on)
//                         and Form (a window the program can unload)
//   formsruntime.cpp      the forms operations (forms.h)    FormsOperations
//   messagebox.cpp        platform::ShowMessageBox (messagebox.h)
//   window.h              platform::Window                  WindowLike
//   windowcontrols.h      platform::WindowControls          WindowControlsLike
//   tabstrip.h            platform::TabStrip                TabStripLike
//   guardedapplication.h  platform::GuardedApplication      GuardedApplicationLike
//
// Main (src/ui/main.h) and AboutBox (src/app/aboutbox.h) are platform::Windows
// that build themselves from their designs through these.

#include <concepts>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "design.h"
#include "forms.h"
#include "messagebox.h"

namespace orvanta::forms {

// What an event of a control, a menu item or a window runs.
using Handler = std::function<void()>;

// The forms operations on the adapter's control types, and its message box.
// They are declared once, in forms.h and messagebox.h; an adapter that does
// not define one fails to link.
template<class TextBoxType, class LabelType, class ButtonType, class StripType, class FormType>
concept FormsOperations = requires(TextBoxType *box, LabelType *label, ButtonType *button, StripType *strip,
                                   FormType *form, std::string_view text, const MessageRequest &request) {
    { Text(box) } -> std::same_as<std::string>;
    SetText(box, text);
    SetFocus(box);
    { Caption(label) } -> std::same_as<std::string>;
    SetCaption(label, text);
    SetToolTipText(label, text);
    SetDefault(button);
    SetTab(strip, std::int16_t{0});
    Unload(form);
    { DecimalSeparator() } -> std::same_as<std::string>;
    End(0);
    platform::ShowMessageBox(request, MessageIcon::Warning);
};

// A tab strip of a StripDesign, made by WindowControls::createTabStrip: one
// row of tabs over pages that cover the whole strip, only the current page
// shown, the others hidden with everything they hold.
template<class T>
concept TabStripLike = requires(T &strip, const T &made, int index, Handler switched) {
    { made.count() } -> std::same_as<int>;
    // Where a page's controls are made, placed from the strip's own corner.
    { made.page(index) } -> std::same_as<Container *>;
    // The current page, counting from 0. Setting it switches pages as a
    // click on its tab would.
    { made.tab() } -> std::same_as<int>;
    strip.setTab(index);
    // Runs after every page switch: by click, by key or by setTab.
    strip.onPageSwitched(switched);
};

// The controls of one window, each made from its design on parent (the
// window's client area or a strip's page) and named by its design name.
template<class T>
concept WindowControlsLike = requires(T &controls, const ControlDesign &design, const StripDesign &strip,
                                      Container *parent, TextBox *box, CommandButton *button, Handler handler,
                                      const std::vector<std::string> &order) {
    { controls.createTextBox(design, parent) } -> std::same_as<TextBox *>;
    { controls.createCommandButton(design, parent) } -> std::same_as<CommandButton *>;
    { controls.createLabel(design, parent) } -> std::same_as<Label *>;
    controls.createPicture(design, parent);
    { controls.createTabStrip(strip, parent) } -> std::same_as<TabStrip *>;
    // A click of the button: by mouse, by key, or by Enter as the window's
    // default button.
    controls.onClick(button, handler);
    // The box getting the focus, however it got it.
    controls.onGotFocus(box, handler);
    // The Tab key visits the named controls in this order, a strip on its
    // tabs; a name not made yet is passed over.
    controls.setTabOrder(order);
    // Whether a page's controls, and a strip that lies on a page, are best
    // made only when that page is first shown, where every native control is
    // dear to make.
    typename std::bool_constant<T::MakesPagesWhenShown>;
};

// A top-level window made from its WindowDesign: its caption, icon and role,
// a fixed client area that shows the design's background picture, the
// designed default and cancel buttons, and the controls made on it.
template<class T, class Controls>
concept WindowLike = std::constructible_from<T, const WindowDesign &> && WindowControlsLike<Controls>
                     && requires(T &window, const MenuDesign &menu, const LineDesign &line, Handler handler,
                                 std::string_view name) {
                            { window.client() } -> std::same_as<Container *>;
                            { window.controls() } -> std::same_as<Controls &>;
                            // A menu with its item on the menu bar; choosing the item, or its
                            // shortcut key anywhere in the window, runs the handler.
                            window.addMenu(menu, handler);
                            window.drawLine(line);
                            // What the close box runs instead of unloading the window.
                            window.onClose(handler);
                            // Centres the window, frame included, on its screen's work area.
                            window.centre();
                            // Shows the window modeless, in front and active, with the keyboard
                            // focus on the named control (a strip takes it on its tabs).
                            window.bringToFront(name);
                            // Expires when the window is discarded.
                            { window.tracker() } -> std::same_as<std::weak_ptr<T *>>;
                        };

// What the entry point makes before the program: the toolkit started, and
// every event handler guarded so that what escapes one is reported as a
// run-time error (runtimeerror.h). exec() runs the event loop until End and
// returns the exit status.
template<class T>
concept GuardedApplicationLike = requires(T &application) {
    { application.exec() } -> std::same_as<int>;
};

} // namespace orvanta::forms
