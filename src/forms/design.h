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
    // The generic family it belongs to, as CSS names it.
    std::string_view generic;
};

inline constexpr std::array<FontFallback, 2> FontFallbacks{{
    {"MS Sans Serif", {"Liberation Sans", "Arial", "DejaVu Sans"}, "sans-serif"},
    {"Algerian", {"Quattrocento", "Liberation Serif", "DejaVu Serif"}, "serif"},
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

// A straight line drawn so that it inverts what lies beneath: each pixel
// becomes NOT(pen XOR destination).
struct LineDesign
{
    std::string_view name;
    int x1, y1, x2, y2; // twips
    std::uint8_t red, green, blue;
    int widthPixels;
};

// A key that chooses a menu item from anywhere in its window: Ctrl and a
// letter, or a function key alone.
struct ShortcutKey
{
    bool control = false;
    char letter = 0;  // 'A' to 'Z'; 0 for a function key
    int function = 0; // 1 to 12 for F1 to F12
};

// The key as menus show it beside the item's caption: "Ctrl+Q", "F2".
inline std::string ShortcutText(ShortcutKey key)
{
    if (key.letter != 0)
        return (key.control ? "Ctrl+" : "") + std::string(1, key.letter);
    return (key.control ? "Ctrl+F" : "F") + std::to_string(key.function);
}

// A menu of the menu bar with its one item. '&' marks the access key.
struct MenuDesign
{
    std::string_view menuName;
    std::string_view menuCaption;
    std::string_view itemName;
    std::string_view itemCaption;
    ShortcutKey shortcut;
};

// A strip of two tabs in one row along its top edge, all tabHeight high.
// Its pages cover the whole strip: controls on a page are placed from the
// strip's own corner.
struct StripDesign
{
    std::string_view name;
    // Where the strip lies: on the window's client area (no parent), or on a
    // page of another strip.
    std::string_view parent;
    int parentPage = 0;
    TwipsRect rect;
    int tabHeight = 0;
    std::array<std::string_view, 2> captions;
    // The page that is current when the window is created.
    int designedTab = 0;
};

// What a window is to the program.
enum class WindowRole {
    // The working window: a minimize box beside the close box, and a close
    // box that runs the program's own handler.
    Main,
    // A box of its own beside it, announced as a dialog: a close box only.
    // It belongs to itself: closing or unloading it discards it.
    Dialog,
};

// How a window arranges its controls for a client area at most `width`
// twips wide (arrangement.h).
struct Arrangement;
using Arranger = Arrangement (*)(int width);

struct WindowDesign
{
    std::string_view name{};
    std::string_view caption{};
    WindowRole role = WindowRole::Main;
    // The client area, in twips.
    int clientWidth = 0;
    int clientHeight = 0;
    // The window's default font; empty: the platform's.
    FontDesign font{};
    // The title bar's icon.
    ResourceDesign icon{};
    // Painted at its natural size from the client area's top-left corner,
    // cut off where the window ends; none: the window colour.
    ResourceDesign background{};
    // The strip on the client area whose pages always cover the middle of
    // the picture, or none (background.h).
    const StripDesign *backgroundCover = nullptr;
    // The buttons Enter and Escape press wherever the focus is, by name;
    // empty: none. A window without a designed default button gets one from
    // its handlers (forms::SetDefault).
    std::string_view defaultButton{};
    std::string_view cancelButton{};
    // Where the window may be narrower than designed (a browser on a phone),
    // how it arranges itself then; none: it never is.
    Arranger arrange = nullptr;
};

} // namespace orvanta::forms
