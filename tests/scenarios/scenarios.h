#pragma once

// What a user does with Orvanta and what they must see, written once and
// played against the real windows of each toolkit: the Qt runner drives
// them with QTest's key and mouse events, the Win32 runner with real input
// messages under Wine, the page's player with the input of Chromium,
// Firefox and WebKit. Names are the controls' design names; "frmAbout."
// in front of a name means a control of the About box.

#include <string_view>
#include <vector>

namespace orvanta::scenarios {

enum class Op {
    ClickTab,       // click the tab of page `text` ("0", "1") on strip `target`
    ClickInto,      // click into the input box `target`
    Type,           // type `text` into the focused control, key by key
    Press,          // press a key on the focused control: Return, Enter (keypad),
                    // Tab, Shift+Tab, Shift+Home, Escape, F2
    Click,          // click the button `target` with the mouse
    Choose,         // choose the menu item `target` from the menu bar
    EndsBy,         // `target` is "Ctrl+Q", "Command11", "mnuExit" or "close Main":
                    // the program ends, every window closes, exit status 0
    ExpectText,     // the input box `target` holds `text`
    ExpectCaption,  // the label `target` shows `text`
    ExpectTip,      // the label `target` has the tooltip `text`
    ExpectFocus,    // the keyboard focus is on `target` (a strip counts by its name)
    ExpectDefault,  // the main window's default button is `target` ("" for none)
    ExpectWarning,  // one message box was shown since the last check: prompt
                    // `text`, title `target`, warning icon, OK; it was answered
    ExpectNoWarning,
    ExpectWindows,  // the windows open are `text`: "Main" or "Main+frmAbout"
};

struct Step
{
    Op op;
    std::string_view target;
    std::string_view text = {};
};

struct Scenario
{
    std::string_view name;
    std::vector<Step> steps;
};

inline const std::vector<Scenario> &Scenarios()
{
    using enum Op;
    static const std::vector<Scenario> all{
        {"a conversion on the m² page, by Enter",
         {{ExpectFocus, "SSTab1"},
          {ExpectDefault, ""},
          {ClickInto, "Meter3"},
          {ExpectDefault, "Command3"},
          {Type, "", "2.5"},
          {Press, "", "Return"},
          {ExpectCaption, "AnsFeet3", "26.90975 Feet\u00B2"},
          {ExpectTip, "AnsFeet3", "26.90975 Feet\u00B2"},
          {ExpectText, "Meter3", "2.5"},
          {ExpectFocus, "Meter3"},
          {ExpectNoWarning, ""}}},
        {"a conversion on the ft² page, by the button",
         {{ClickTab, "SSTab2", "1"},
          {ClickInto, "Feet1"},
          {Type, "", "1"},
          {Click, "cmd1"},
          {ExpectCaption, "AnsMet1", ".0929 Meter\u00B2"},
          {ExpectFocus, "Feet1"},
          {ExpectDefault, "cmd1"}}},
        {"a conversion on the m³ page, the volume strip opens on ft³",
         {{ClickTab, "SSTab1", "1"},
          {ClickTab, "SSTab3", "0"},
          {ClickInto, "M1"},
          {Type, "", "0.1"},
          {Press, "", "Enter"},
          {ExpectCaption, "A1", "3.528 Feet\u00B3"}}},
        {"a conversion on the ft³ page",
         {{ClickTab, "SSTab1", "1"},
          {ClickInto, "F7"},
          {Type, "", "1000"},
          {Press, "", "Return"},
          {ExpectCaption, "S7", "28.34 Meter\u00B3"},
          {ClickInto, "F2"},
          {Type, "", "0.1"},
          {Press, "", "Return"},
          {ExpectCaption, "S2", ".00 Meter\u00B3"}}},
        {"invalid input warns, then clears the row but not its tooltip",
         {{ClickInto, "Meter4"},
          {Type, "", "1"},
          {Press, "", "Return"},
          {ClickInto, "Meter4"},
          {Press, "", "Shift+Home"},
          {Type, "", "abc"},
          {Press, "", "Return"},
          {ExpectWarning, "Invalid Number", "The Number is invalid or less than Zero"},
          {ExpectText, "Meter4", ""},
          {ExpectCaption, "AnsFeet4", ""},
          {ExpectTip, "AnsFeet4", "10.7639 Feet\u00B2"},
          {ExpectFocus, "Meter4"},
          {Press, "", "Return"},
          {ExpectWarning, "Invalid Number", "The Number is invalid or less than Zero"}}},
        {"overflow warns and keeps the input",
         {{ClickInto, "Meter2"},
          {Type, "", "1e308"},
          {Click, "Command2"},
          {ExpectWarning, "Overflow", "The Number is too large to convert"},
          {ExpectText, "Meter2", "1e308"},
          {ExpectCaption, "AnsFeet2", ""},
          {ExpectFocus, "Meter2"}}},
        {"clicking another row's button converts that row",
         {{ClickTab, "SSTab2", "1"},
          {ClickInto, "Feet5"},
          {Type, "", "100"},
          {ClickInto, "Feet2"},
          {Type, "", "1"},
          {ExpectDefault, "cmd2"},
          {Click, "cmd5"},
          {ExpectCaption, "AnsMet5", "9.2900 Meter\u00B2"},
          {ExpectCaption, "AnsMet2", ""},
          {ExpectFocus, "Feet5"},
          {ExpectDefault, "cmd5"},
          {Press, "", "Return"},
          {ExpectCaption, "AnsMet2", ""}}},
        {"the tab order of the m² page",
         {{ClickInto, "Meter1"},
          {Press, "", "Tab"},
          {ExpectFocus, "Command1"},
          {Press, "", "Tab"},
          {ExpectFocus, "Command2"},
          {Press, "", "Tab"},
          {ExpectFocus, "Meter2"},
          {ExpectDefault, "Command2"},
          {Press, "", "Shift+Tab"},
          {ExpectFocus, "Command2"}}},
        {"the tab order of the ft² page runs bottom up",
         {{ClickTab, "SSTab2", "1"},
          {ClickInto, "Feet10"},
          {Press, "", "Tab"},
          {ExpectFocus, "cmd10"},
          {Press, "", "Tab"},
          {ExpectFocus, "Feet9"},
          {ClickInto, "Feet2"},
          {Press, "", "Tab"},
          {ExpectFocus, "cmd2"},
          {Press, "", "Tab"},
          {ExpectFocus, "cmd1"},
          {Press, "", "Tab"},
          {ExpectFocus, "Feet1"}}},
        {"the window's tab order ends at EXIT and starts again",
         {{ClickTab, "SSTab1", "1"},
          {ClickInto, "F10"},
          {Press, "", "Tab"},
          {ExpectFocus, "Command11"},
          {Press, "", "Tab"},
          {ExpectFocus, "SSTab1"},
          {Press, "", "Tab"},
          {ExpectFocus, "SSTab3"},
          {Press, "", "Tab"},
          {ExpectFocus, "F1"}}},
        {"page switches keep the contents and the default button",
         {{ClickInto, "Meter1"},
          {Type, "", "12"},
          {Press, "", "Return"},
          {ClickTab, "SSTab1", "1"},
          {ClickInto, "F1"},
          {Type, "", "5"},
          {ClickTab, "SSTab1", "0"},
          {ClickTab, "SSTab2", "1"},
          {ClickTab, "SSTab2", "0"},
          {ExpectDefault, "D1"},
          {ExpectText, "Meter1", "12"},
          {ExpectCaption, "AnsFeet1", "129.1668 Feet\u00B2"},
          {ClickTab, "SSTab1", "1"},
          {ExpectText, "F1", "5"}}},
        {"Escape does nothing in the main window",
         {{ClickInto, "Meter1"},
          {Type, "", "4"},
          {Press, "", "Escape"},
          {ExpectText, "Meter1", "4"},
          {ExpectWindows, "", "Main"}}},
        {"the About box: one instance, OK, Enter and Escape close it, F2 reopens",
         {{ExpectWindows, "", "Main"},
          {Choose, "mnuAbout"},
          {ExpectWindows, "", "Main+frmAbout"},
          {ExpectFocus, "frmAbout.Command1"},
          {ClickInto, "Meter1"},
          {Press, "", "F2"},
          {ExpectWindows, "", "Main+frmAbout"},
          {ExpectFocus, "frmAbout.Command1"},
          {Press, "", "Return"},
          {ExpectWindows, "", "Main"},
          {ClickInto, "Meter1"},
          {Press, "", "F2"},
          {ExpectWindows, "", "Main+frmAbout"},
          {ExpectFocus, "frmAbout.Command1"},
          {Press, "", "Escape"},
          {ExpectWindows, "", "Main"},
          {Choose, "mnuAbout"},
          {Click, "frmAbout.Command1"},
          {ExpectWindows, "", "Main"}}},
        {"a conversion beside the open About box",
         {{Choose, "mnuAbout"},
          {ClickInto, "Meter1"},
          {Type, "", "1"},
          {Press, "", "Return"},
          {ExpectCaption, "AnsFeet1", "10.7639 Feet\u00B2"},
          {ExpectWindows, "", "Main+frmAbout"}}},
        {"EXIT ends the program with invalid text in a box",
         {{ClickInto, "Meter1"}, {Type, "", "abc"}, {EndsBy, "Command11"}, {ExpectNoWarning, ""}}},
        {"Ctrl+Q ends the program from the volume page", {{ClickTab, "SSTab1", "1"}, {ClickInto, "F3"}, {EndsBy, "Ctrl+Q"}}},
        {"File > Exit ends the program and closes the About box", {{Choose, "mnuAbout"}, {EndsBy, "mnuExit"}}},
        {"closing the main window ends the program, About box included", {{Choose, "mnuAbout"}, {EndsBy, "close Main"}}},
    };
    return all;
}

} // namespace orvanta::scenarios
