#pragma once

// The vocabulary the program's windows are designed in: a window with a
// caption and a client area, and controls with a name, a kind, a caption, a
// rectangle in twips, a font and an alignment. Each toolkit adapter builds
// its windows from these records, so every text and layout number exists
// once, here and in the designs that use it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvanta::forms {

// A twip is 1/1440 inch: fifteen make one pixel at 96 dots per inch.
inline constexpr int TwipsPerInch = 1440;
inline constexpr int StandardDpi = 96;

// Pixels for a length in twips at dotsPerInch; half a pixel rounds up, as
// the design values expect (the 520-twip tab height is 35 pixels at 96 DPI).
constexpr int TwipsToPixels(int twips, int dotsPerInch = StandardDpi)
{
    const std::int64_t scaled = std::int64_t{twips} * dotsPerInch;
    const std::int64_t half = TwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / TwipsPerInch : -((-scaled + half - 1) / TwipsPerInch));
}

struct TwipsRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

enum class FontWeight { Regular = 400, Bold = 700 };

// No font is italic, underlined or struck out. An empty face stands for the
// window's default font.
struct FontDesign
{
    std::string_view face;
    double points = 0;
    FontWeight weight = FontWeight::Regular;

    constexpr bool isDefault() const { return face.empty(); }
};

// The faces the windows are designed for are often missing ("MS Sans Serif"
// is gone from current systems, "Algerian" comes with office suites): these
// stand in for them, closest first.
struct FontFallback
{
    std::string_view face;
    std::array<std::string_view, 3> substitutes;
};

inline constexpr std::array<FontFallback, 2> FontFallbacks{{
    {"MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"}},
    {"Algerian", {"Quattrocento", "Liberation Serif", "DejaVu Serif"}},
}};

enum class ControlKind {
    TextBox,       // single-line, no length limit, no input filter
    CommandButton,
    Label,         // plain text, one line, never takes the focus
    Picture,       // a picture at its natural size from the top-left corner
};

enum class TextAlign {
    Left,
    Centre, // centred horizontally, at the top edge
};

// A picture or icon of the program: its file in resources/, and the name
// the Windows executable keeps it under (resources/orvanta-exe.rc).
struct ResourceDesign
{
    std::string_view file;
    std::string_view resourceName;

    constexpr bool isNone() const { return file.empty(); }
};

struct ControlDesign
{
    ControlKind kind = ControlKind::Label;
    std::string name;
    // UTF-8.
    std::string caption;
    TwipsRect rect;
    FontDesign font;
    TextAlign align = TextAlign::Left;
    // What a screen reader says of the control: its name (empty: the
    // caption) and a description.
    std::string accessibleName;
    std::string accessibleDescription;
    // What a picture shows.
    ResourceDesign picture;
};

struct WindowDesign
{
    std::string_view name;
    std::string_view caption;
    // The client area, in twips.
    int clientWidth = 0;
    int clientHeight = 0;
    // The window's default font; empty: the platform's.
    FontDesign font;
    // The title bar's icon.
    ResourceDesign icon;
    // Painted at its natural size from the client area's top-left corner,
    // cut off where the window ends; none: the window colour.
    ResourceDesign background;
    // The buttons Enter and Escape press wherever the focus is, by name;
    // empty: none. A window without a designed default button gets one from
    // its handlers (forms::SetDefault).
    std::string_view defaultButton;
    std::string_view cancelButton;
    // Where the background never shows, because a control that is always
    // there covers it; empty: nowhere.
    TwipsRect backgroundHidden;
};

} // namespace orvanta::forms
