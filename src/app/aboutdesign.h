#pragma once

// The design of the About box frmAbout: a picture, a line, three labels and
// OK, in a small fixed window of its own.

#include <array>
#include <string_view>

#include "aboutarrangement.h"
#include "design.h"

namespace orvanta {

// OK is the only control that takes the focus; Enter and Escape press it.
inline constexpr forms::WindowDesign AboutWindowDesign{.name = "frmAbout",
                                                       .caption = "About",
                                                       .role = forms::WindowRole::Dialog,
                                                       .clientWidth = 5220,
                                                       .clientHeight = 2550,
                                                       .font = {"MS Sans Serif", 8.25, forms::FontWeight::Regular},
                                                       .icon = {"about.ico", "IDI_ICON2"},
                                                       .defaultButton = "Command1",
                                                       .cancelButton = "Command1",
                                                       .arrange = &ArrangeAbout};

// What Image1 shows: 170x170 pixels, with a transparent colour.
inline constexpr forms::ResourceDesign AboutPicture{"about.gif", "ABOUTPICTURE"};

// Line1 runs down between the picture and the texts, inverting what lies
// beneath.
inline constexpr forms::LineDesign AboutLineDesign{"Line1", 2640, 0, 2640, 2520, 0, 128, 0, 5};

// Image1 (it shows AboutPicture), Label1 to Label3, and Command1, the OK
// button.
std::array<forms::ControlDesign, 5> AboutControls();

inline constexpr std::string_view AboutOkName = "Command1";

} // namespace orvanta
