#pragma once

// The design of the About box frmAbout: a picture, a line, three labels and
// OK, in a small fixed window of its own.

#include <array>
#include <cstdint>
#include <string_view>

#include "design.h"

namespace orvanta {

// OK is the only control that takes the focus; Enter and Escape press it.
inline constexpr forms::WindowDesign AboutWindowDesign{
    "frmAbout", "About", 5220, 2550, {"MS Sans Serif", 8.25, forms::FontWeight::Regular}, {"about.ico", "IDI_ICON2"},
    {}, "Command1", "Command1", {}};

// What Image1 shows: 170x170 pixels, with a transparent colour.
inline constexpr forms::ResourceDesign AboutPicture{"about.gif", "ABOUTPICTURE"};

// Line1 runs down between the picture and the texts. It is drawn so that it
// inverts what lies beneath: each pixel becomes NOT(pen XOR destination).
struct LineDesign
{
    std::string_view name;
    int x1, y1, x2, y2; // twips
    std::uint8_t red, green, blue;
    int widthPixels;
};

inline constexpr LineDesign AboutLineDesign{"Line1", 2640, 0, 2640, 2520, 0, 128, 0, 5};

// Image1 (it shows AboutPicture), Label1 to Label3, and Command1, the OK
// button.
std::array<forms::ControlDesign, 5> AboutControls();

inline constexpr std::string_view AboutOkName = "Command1";

} // namespace orvanta
