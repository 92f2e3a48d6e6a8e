#pragma once

// What the Win32 runner checks beside the shared scenarios
// (tests/scenarios/scenarios.h): the whole tab order, which Windows derives
// from the windows' Z-order; Enter on a focused button and on a hidden
// default; the designed pages at start; arrow keys on a strip; the row as it
// stood while a warning was open, and the About box unusable meanwhile; the
// About box's close box and centring; the report of a failing handler; and
// the layout at the system's DPI and after a change of DPI (WM_DPICHANGED,
// which Wine never sends by itself); changes of the system's colours,
// theme and metrics while the program runs; and what screen readers are
// told of results.

#include <string_view>
#include <variant>
#include <vector>

#include "scenarios.h"

namespace orvanta::scenarios {

enum class Only {
    TabWalk,      // `text`: the controls Tab visits, in order (Shift+Tab when `target` is "back")
    ExpectTab,    // the strip `target` shows its page `text`
    ExpectShown,  // the control `target` can be seen and used: `text` "yes" or "no"
    HookBoxes,    // from now on message boxes go to the test hook, which notes the
                  // input box `target` and the label `text` while the box is "open"
    ExpectBoxSaw, // while the last box was open, the noted box held `target`, the label `text`
    ExpectError,  // one message box since the last check: title `target`, prompt
                  // `text`, the error icon
    CloseAbout,   // the About box's close box
    ExpectAboutCentred, // the About box is in front, centred on the work area
    Fail,         // a handler of the program throws an exception with the text `text`
    ExpectExit,   // the program ended with exit status `text`; no window is left
    ChangeDpi,    // the window `target` ("Main", "frmAbout") is told that its DPI is now
                  // `text`, as on a move to another monitor; no control of it may
                  // meanwhile get a message while it holds a font already freed
    ExpectLiveRegion, // screen readers know the label `target` as a live region of
                      // setting `text` ("1": polite), or as none ("")
    ExpectSpoken, // since the last check, a live-region event was raised for the labels
                  // `text`, in that order ("" for none)
    ChangeColours, // the system colours `text` ("ButtonFace=255,200,0 ButtonText=0,0,160")
                   // are set, as when the user picks others; every common control
                   // (tab strips, tooltips) must be told
    ExpectPainted, // the screen shows the system colour `text` ("ButtonFace") on the
                   // background of `target`: a strip's page, the About box, an empty label
    ChangeMetrics, // the message and menu fonts become `text` points high, by a change
                   // of settings (`target` "settings") or of the theme ("theme")
    ExpectLayout, // every control made so far of the window `target` is where its design
                  // puts it at the window's DPI (the one told, else the system's), with
                  // a live font of the designed height, and its strip's page over the
                  // strip; so is the client area
};

struct ExtraStep
{
    std::variant<Op, Only> op;
    std::string_view target;
    std::string_view text = {};
};

struct ExtraScenario
{
    std::string_view name;
    std::vector<ExtraStep> steps;
};

inline const std::vector<ExtraScenario> &ExtraScenarios()
{
    using enum Op;
    using enum Only;
    static const std::vector<ExtraScenario> all{
        {"the strips start on their designed pages",
         {{ExpectTab, "SSTab1", "0"},
          {ExpectTab, "SSTab2", "0"},
          {ExpectShown, "Meter1", "yes"},
          {ExpectShown, "Feet1", "no"},
          {ExpectShown, "SSTab3", "no"},
          {ExpectShown, "F1", "no"},
          // The volume strip, made when first shown, starts on its designed page too.
          {ClickTab, "SSTab1", "1"},
          {ExpectTab, "SSTab3", "1"},
          {ExpectShown, "F1", "yes"},
          {ExpectShown, "M1", "no"},
          {ExpectShown, "Meter1", "no"}}},
        {"the whole tab order, forward and back, on every page",
         {{TabWalk, "",
           "SSTab2 Meter1 Command1 Command2 Meter2 Command3 Meter3 Command4 Meter4 Command5 Meter5 Command6 Meter6 "
           "Command7 Meter7 Command8 Meter8 Command9 Meter9 Command10 Meter10 Command11 SSTab1"},
          {TabWalk, "back",
           "Command11 Meter10 Command10 Meter9 Command9 Meter8 Command8 Meter7 Command7 Meter6 Command6 Meter5 "
           "Command5 Meter4 Command4 Meter3 Command3 Meter2 Command2 Command1 Meter1 SSTab2 SSTab1"},
          {ClickTab, "SSTab2", "1"},
          {TabWalk, "",
           "Feet10 cmd10 Feet9 cmd9 Feet8 cmd8 Feet7 cmd7 Feet6 cmd6 Feet5 cmd5 Feet4 cmd4 Feet3 cmd3 Feet2 cmd2 cmd1 "
           "Feet1 Command11 SSTab1 SSTab2"},
          {ClickTab, "SSTab1", "1"},
          {TabWalk, "", "SSTab3 F1 D1 D2 F2 D3 F3 D4 F4 D5 F5 D6 F6 D7 F7 D8 F8 D9 F9 D10 F10 Command11 SSTab1"},
          {ClickTab, "SSTab3", "0"},
          {TabWalk, "", "M1 C1 C2 M2 C3 M3 C4 M4 C5 M5 C6 M6 C7 M7 C8 M8 C9 M9 C10 M10 Command11"},
          {ExpectDefault, "C10"}}},
        {"a focused button takes Enter itself",
         {{ClickInto, "Meter4"},
          {Type, "", "3"},
          {ClickInto, "Meter3"},
          {Type, "", "2"},
          {Press, "", "Tab"},
          {ExpectFocus, "Command4"},
          {ExpectDefault, "Command3"},
          {Press, "", "Return"},
          {ExpectCaption, "AnsFeet4", "32.2917 Feet\u00B2"},
          {ExpectCaption, "AnsFeet3", ""},
          {ExpectFocus, "Meter4"},
          {ExpectDefault, "Command4"},
          {ExpectNoWarning, ""}}},
        {"Enter does nothing while the default button is on a hidden page",
         {{ClickInto, "Meter1"},
          {Type, "", "1"},
          {ClickTab, "SSTab2", "1"},
          {ExpectDefault, "Command1"},
          {Press, "", "Return"},
          {ExpectCaption, "AnsFeet1", ""},
          {ExpectNoWarning, ""}}},
        {"arrow keys switch the pages of the focused strip",
         {{ClickTab, "SSTab2", "0"},
          {Press, "", "Right"},
          {ExpectTab, "SSTab2", "1"},
          {ExpectShown, "Feet1", "yes"},
          {Press, "", "Left"},
          {ExpectShown, "Meter1", "yes"},
          {ExpectFocus, "SSTab2"}}},
        {"the warning opens over the row as it stood",
         {{HookBoxes, "Meter2", "AnsFeet2"},
          {ClickInto, "Meter2"},
          {Type, "", "1"},
          {Press, "", "Return"},
          {Press, "", "Home"},
          {Type, "", "-"},
          {Press, "", "Return"},
          {ExpectWarning, "Invalid Number", "The Number is invalid or less than Zero"},
          {ExpectBoxSaw, "-1", "10.7639 Feet\u00B2"},
          {ClickInto, "Meter1"},
          {Type, "", "1e308"},
          {HookBoxes, "Meter1", "AnsFeet1"},
          {Press, "", "Return"},
          {ExpectWarning, "Overflow", "The Number is too large to convert"},
          {ExpectBoxSaw, "1e308", ""}}},
        {"the warning is modal to the About box too",
         {{Press, "", "F2"},
          {ClickInto, "Meter10"},
          {Type, "", "x"},
          {Press, "", "Return"},
          {ExpectWarning, "Invalid Number", "The Number is invalid or less than Zero"},
          {ExpectWindows, "", "Main+frmAbout"},
          {ExpectFocus, "Meter10"}}},
        {"the About box: Space, its close box, centred each time",
         {{Press, "", "F2"},
          {ExpectAboutCentred, ""},
          {Press, "", "Space"},
          {ExpectWindows, "", "Main"},
          {Choose, "mnuAbout"},
          {ExpectAboutCentred, ""},
          {CloseAbout, ""},
          {ExpectWindows, "", "Main"},
          {ExpectFocus, "SSTab1"}}},
        {"results are polite live regions, read out when they change",
         {{ExpectLiveRegion, "AnsFeet1", "1"},
          {ExpectLiveRegion, "AnsFeet10", "1"},
          {ExpectLiveRegion, "Label2", ""},
          {ClickInto, "Meter3"},
          {Type, "", "2.5"},
          {Press, "", "Return"},
          {ExpectSpoken, "", "AnsFeet3"},
          {Press, "", "Return"},
          {ExpectSpoken, "", ""},
          {Press, "", "Shift+Home"},
          {Type, "", "1"},
          {Click, "Command3"},
          {ExpectSpoken, "", "AnsFeet3"},
          {ClickInto, "Meter4"},
          {Type, "", "x"},
          {Press, "", "Return"},
          {ExpectWarning, "Invalid Number", "The Number is invalid or less than Zero"},
          {ClickInto, "Meter3"},
          {Press, "", "Shift+Home"},
          {Type, "", "x"},
          {Press, "", "Return"},
          {ExpectWarning, "Invalid Number", "The Number is invalid or less than Zero"},
          {ExpectCaption, "AnsFeet3", ""},
          {ExpectSpoken, "", ""},
          {ClickTab, "SSTab1", "1"},
          {ExpectLiveRegion, "S1", "1"},
          {ClickInto, "F1"},
          {Type, "", "1"},
          {Press, "", "Return"},
          {ExpectSpoken, "", "S1"},
          {Press, "", "F2"},
          {ExpectLiveRegion, "frmAbout.Label1", ""},
          {EndsBy, "mnuExit"}}},
        {"new system colours reach every window, its strips and its tooltips",
         {{ClickInto, "Meter1"},
          {Type, "", "1"},
          {Press, "", "Return"},
          {ClickTab, "SSTab1", "1"},
          {ClickTab, "SSTab1", "0"},
          {ChangeColours, "", "ButtonFace=255,200,0 ButtonText=0,0,160 InfoWindow=255,255,160"},
          {ExpectPainted, "SSTab1", "ButtonFace"},
          {ExpectPainted, "SSTab2", "ButtonFace"},
          {ExpectPainted, "AnsFeet10", "ButtonFace"},
          {Press, "", "F2"},
          {ChangeColours, "", "ButtonFace=0,0,0 ButtonText=255,255,255 Window=0,0,0 WindowText=255,255,255"},
          {ExpectPainted, "frmAbout", "ButtonFace"},
          {Press, "", "Return"},
          {ClickTab, "SSTab1", "1"},
          {ExpectPainted, "SSTab3", "ButtonFace"},
          {ClickInto, "F2"},
          {Type, "", "1"},
          {Press, "", "Return"},
          {ExpectCaption, "S2", ".03 Meter\u00B3"}}},
        {"a new message font from the settings or a theme reaches every control",
         {{ChangeMetrics, "settings", "12"},
          {ExpectLayout, "Main"},
          {Press, "", "F2"},
          {ExpectLayout, "frmAbout"},
          {ChangeMetrics, "theme", "7"},
          {ExpectLayout, "frmAbout"},
          {Press, "", "Return"},
          {ExpectLayout, "Main"},
          {ClickTab, "SSTab2", "1"},
          {ExpectLayout, "Main"}}},
        {"a failing handler is reported and ends the program",
         {{HookBoxes, "", ""},
          {Fail, "", "disk on fire"},
          {ExpectError, "Orvanta", "Run-time error:\n\ndisk on fire"},
          {ExpectExit, "", "70"}}},
        // Played alone, with the system at 144 DPI, by win32_scenarios_144dpi.
        {"the windows take the system DPI",
         {{ExpectLayout, "Main"},
          {ClickTab, "SSTab1", "1"},
          {ClickTab, "SSTab3", "0"},
          {ExpectLayout, "Main"},
          {Press, "", "F2"},
          {ExpectLayout, "frmAbout"}}},
        {"a change of DPI moves Main's controls and gives them live fonts",
         {{ChangeDpi, "Main", "120"},
          {ExpectLayout, "Main"},
          {ChangeDpi, "Main", "144"},
          {ExpectLayout, "Main"},
          {ChangeDpi, "Main", "192"},
          {ExpectLayout, "Main"},
          // A page or strip first shown after the change is made at the new DPI.
          {ClickTab, "SSTab2", "1"},
          {ExpectLayout, "Main"},
          {ClickTab, "SSTab1", "1"},
          {ExpectLayout, "Main"},
          {ClickTab, "SSTab1", "0"},
          {ChangeDpi, "Main", "96"},
          {ExpectLayout, "Main"},
          {ClickInto, "Feet2"},
          {Type, "", "10"},
          {Press, "", "Return"},
          {ExpectCaption, "AnsMet2", ".9290 Meter\u00B2"}}},
        {"a change of DPI moves the About box's controls and gives them live fonts",
         {{Press, "", "F2"},
          {ChangeDpi, "frmAbout", "144"},
          {ExpectLayout, "frmAbout"},
          {ChangeDpi, "frmAbout", "192"},
          {ExpectLayout, "frmAbout"},
          {ExpectLayout, "Main"},
          {Press, "", "Return"},
          {ExpectWindows, "", "Main"}}},
    };
    return all;
}

} // namespace orvanta::scenarios
