// The shared design data and the pure functions the adapters place windows
// with: what every toolkit builds from, checked once.

#include <algorithm>
#include <tuple>
#include <climits>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "aboutdesign.h"
#include "arrangement.h"
#include "centring.h"
#include "background.h"
#include "decodedpicture.h"
#include "maindesign.h"
#include "taborder.h"

namespace orvanta {
namespace {

using forms::CentredTopLeft;
using forms::ScreenPoint;

struct CentringCase
{
    const char *name;
    forms::ScreenSize frame;
    forms::ScreenRect workArea;
    ScreenPoint expected;
};

TEST(Centring, TopLeftCornerOnTheWorkArea)
{
    const CentringCase cases[] = {
        {"centred", {664, 520}, {0, 0, 1024, 768}, {180, 124}},
        {"odd room rounds towards the top left", {101, 51}, {0, 0, 1024, 768}, {461, 358}},
        {"task bar at the left and top", {664, 520}, {60, 30, 964, 738}, {210, 139}},
        {"second monitor with negative coordinates", {348, 200}, {-1280, -100, 1280, 1024}, {-814, 312}},
        {"exactly the work area", {1024, 738}, {0, 30, 1024, 738}, {0, 30}},
        {"wider than the work area: left edge kept", {1200, 400}, {60, 0, 964, 768}, {60, 184}},
        {"taller than the work area: title bar kept", {600, 900}, {0, 30, 1024, 738}, {212, 30}},
        {"larger both ways", {2000, 2000}, {10, 20, 800, 600}, {10, 20}},
    };
    for (const CentringCase &c : cases) {
        const ScreenPoint corner = CentredTopLeft(c.frame, c.workArea);
        EXPECT_EQ(corner.x, c.expected.x) << c.name;
        EXPECT_EQ(corner.y, c.expected.y) << c.name;
    }
}

// Stacking for the Tab key, on a window laid out like Main: SSTab1 and its
// two pages on the window, SSTab2 and its pages on the first, SSTab3 and a
// page on the second, EXIT on the window.
TEST(TabOrder, ControlsAndThePagesTheyLieOnAreStackedInOrder)
{
    const std::map<std::string, std::string> parentOf{
        {"SSTab1", "Main"}, {"page1.0", "Main"},    {"page1.1", "Main"},    {"SSTab2", "page1.0"},
        {"page2.0", "page1.0"}, {"page2.1", "page1.0"}, {"Meter1", "page2.0"}, {"Command1", "page2.0"},
        {"Feet10", "page2.1"},  {"SSTab3", "page1.1"},  {"page3.1", "page1.1"}, {"F1", "page3.1"},
        {"Command11", "Main"}};
    const struct
    {
        const char *name;
        std::vector<std::string> order, stacked;
    } cases[] = {
        {"controls on the window, in the order given", {"Command11", "SSTab1"}, {"Command11", "SSTab1"}},
        {"the pages a control lies on come first, outermost first",
         {"SSTab1", "SSTab2", "Meter1", "Command1"},
         {"SSTab1", "page1.0", "SSTab2", "page2.0", "Meter1", "Command1"}},
        {"a strip's pages in the order of their first controls",
         {"SSTab2", "Feet10", "Meter1"},
         {"page1.0", "SSTab2", "page2.1", "Feet10", "page2.0", "Meter1"}},
        {"the whole window",
         {"SSTab1", "SSTab2", "Meter1", "Command1", "Feet10", "SSTab3", "F1", "Command11"},
         {"SSTab1", "page1.0", "SSTab2", "page2.0", "Meter1", "Command1", "page2.1", "Feet10", "page1.1", "SSTab3",
          "page3.1", "F1", "Command11"}},
    };
    // Nodes are pointers to the names, so that the walk up ends at the window.
    const std::string window = "Main";
    const auto node = [&](const std::string &name) { return name == window ? &window : &parentOf.find(name)->first; };
    for (const auto &c : cases) {
        std::vector<const std::string *> order;
        for (const std::string &name : c.order)
            order.push_back(node(name));
        std::vector<std::string> stacked;
        forms::StackInTabOrder(
            order, &window, [&](const std::string *control) { return node(parentOf.at(*control)); },
            [&stacked](const std::string *control) { stacked.push_back(*control); });
        EXPECT_EQ(stacked, c.stacked) << c.name;
    }
}

TEST(MainDesign, StripTreeNestsAsDesigned)
{
    // Which strip lies where: the outer strip on the window, the area strip
    // on its first page, the volume strip on its second.
    const struct
    {
        std::string_view name, parent;
        int parentPage, designedTab;
    } expected[] = {{"SSTab1", "", 0, 0}, {"SSTab2", "SSTab1", 0, 0}, {"SSTab3", "SSTab1", 1, 1}};
    ASSERT_EQ(MainStrips.size(), std::size(expected));
    for (std::size_t i = 0; i < MainStrips.size(); ++i) {
        const forms::StripDesign &strip = *MainStrips[i];
        EXPECT_EQ(strip.name, expected[i].name);
        EXPECT_EQ(strip.parent, expected[i].parent);
        EXPECT_EQ(strip.designedTab, expected[i].designedTab);
        if (strip.parent.empty())
            continue;
        EXPECT_EQ(strip.parentPage, expected[i].parentPage) << strip.name;
        // Built after the strip it lies on, on a page that strip has.
        const auto parent = std::find(MainStrips.begin(), MainStrips.end(), StripNamed(strip.parent));
        ASSERT_NE(parent, MainStrips.end()) << strip.name;
        EXPECT_LT(parent - MainStrips.begin(), std::ptrdiff_t(i)) << strip.name;
        EXPECT_LT(std::size_t(strip.parentPage), (*parent)->captions.size()) << strip.name;
    }
    EXPECT_EQ(StripNamed(""), nullptr);
}

TEST(MainDesign, MenusShowTheirShortcutKeys)
{
    const struct
    {
        forms::ShortcutKey key;
        const char *shown;
    } keys[] = {{{.control = true, .letter = 'Q'}, "Ctrl+Q"},
                {{.function = 2}, "F2"},
                {{.function = 12}, "F12"},
                {{.control = true, .function = 5}, "Ctrl+F5"}};
    for (const auto &k : keys)
        EXPECT_EQ(forms::ShortcutText(k.key), k.shown);
    // File > Exit on Ctrl+Q, Help > About on F2.
    ASSERT_EQ(MainMenus.size(), 2u);
    EXPECT_EQ(MainMenus[0].command, MenuCommand::Exit);
    EXPECT_EQ(forms::ShortcutText(MainMenus[0].shortcut), "Ctrl+Q");
    EXPECT_EQ(MainMenus[1].command, MenuCommand::About);
    EXPECT_EQ(forms::ShortcutText(MainMenus[1].shortcut), "F2");
}

TEST(MainDesign, EveryConverterPageHasItsTabOnAnInnerStrip)
{
    for (const PagePlacement &placement : MainPages) {
        ASSERT_NE(std::find(MainStrips.begin(), MainStrips.end(), placement.strip), MainStrips.end());
        EXPECT_FALSE(placement.strip->parent.empty()) << placement.design->tabCaption;
        EXPECT_EQ(placement.strip->captions.at(std::size_t(placement.page)), placement.design->tabCaption);
        // Each page is placed once.
        EXPECT_EQ(std::count_if(MainPages.begin(), MainPages.end(),
                                [&](const PagePlacement &other) {
                                    return other.strip == placement.strip && other.page == placement.page;
                                }),
                  1);
    }
}

TEST(AboutDesign, DefaultAndCancelButtonsAreItsButtons)
{
    const auto controls = AboutControls();
    for (std::string_view name : {AboutWindowDesign.defaultButton, AboutWindowDesign.cancelButton}) {
        const auto found = std::find_if(controls.begin(), controls.end(),
                                        [name](const forms::ControlDesign &control) { return control.name == name; });
        ASSERT_NE(found, controls.end()) << name;
        EXPECT_EQ(found->kind, forms::ControlKind::CommandButton) << name;
    }
    EXPECT_TRUE(MainWindowDesign.defaultButton.empty() && MainWindowDesign.cancelButton.empty());
}

// The desktop adapters' picture decoder, on the program's own pictures.
struct Decoded
{
    forms::PixelRect rect;
    std::vector<std::uint32_t> pixels;

    std::uint32_t at(int x, int y) const
    {
        return pixels.at(std::size_t(y - rect.top) * std::size_t(rect.width) + std::size_t(x - rect.left));
    }
};

std::vector<Decoded> DecodeParts(const char *file, const std::vector<forms::PixelRect> &parts)
{
    std::ifstream in(std::string(ORVANTA_RESOURCES_DIR) + "/" + file, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<Decoded> decoded;
    decoded.reserve(parts.size());
    forms::DecodePicture(bytes, parts, [&decoded](const forms::PixelRect &part) {
        decoded.push_back({part, std::vector<std::uint32_t>(std::size_t(part.width) * std::size_t(part.height))});
        return decoded.back().pixels.data();
    });
    return decoded;
}

TEST(DecodePicture, KeepsTheWantedPartsOfTheBackground)
{
    const std::vector<Decoded> decodedWhole = DecodeParts("background.jpg", {{0, 0, 5000, 5000}});
    ASSERT_EQ(decodedWhole.size(), 1u);
    const Decoded &whole = decodedWhole.front();
    ASSERT_EQ(whole.rect, (forms::PixelRect{0, 0, 1024, 768}));
    // The corners' colours as the gradient is drawn, give or take what the
    // JPEG loses: a swapped channel or a shifted part fails.
    const struct
    {
        int x, y, red, green, blue;
    } corners[] = {
        {8, 8, 246, 196, 222}, {8, 759, 176, 150, 220}, {1015, 8, 204, 240, 206}, {1015, 759, 250, 214, 226}};
    for (const auto &c : corners) {
        const std::uint32_t pixel = whole.at(c.x, c.y);
        EXPECT_EQ(pixel >> 24, 0xFFu) << c.x << "," << c.y;
        EXPECT_NEAR(int(pixel >> 16 & 0xFF), c.red, 6) << c.x << "," << c.y;
        EXPECT_NEAR(int(pixel >> 8 & 0xFF), c.green, 6) << c.x << "," << c.y;
        EXPECT_NEAR(int(pixel & 0xFF), c.blue, 6) << c.x << "," << c.y;
    }

    const struct
    {
        const char *name;
        std::vector<forms::PixelRect> wanted, kept;
    } cases[] = {
        {"the main window's parts", forms::BackgroundParts(MainWindowDesign), forms::BackgroundParts(MainWindowDesign)},
        {"over the edges: cut to the picture",
         {{1000, 760, 100, 100}, {-10, -10, 20, 30}},
         {{1000, 760, 24, 8}, {0, 0, 10, 20}}},
        {"outside or empty: left out",
         {{1024, 0, 10, 10}, {0, 768, 10, 10}, {5, 5, 0, 10}, {5, 5, -3, 10}, {INT_MAX, INT_MAX, INT_MAX, 1}},
         {}},
    };
    for (const auto &c : cases) {
        const std::vector<Decoded> parts = DecodeParts("background.jpg", c.wanted);
        ASSERT_EQ(parts.size(), c.kept.size()) << c.name;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            ASSERT_EQ(parts[i].rect, c.kept[i]) << c.name;
            for (int y = parts[i].rect.top; y < parts[i].rect.top + parts[i].rect.height; ++y) {
                for (int x = parts[i].rect.left; x < parts[i].rect.left + parts[i].rect.width; ++x)
                    ASSERT_EQ(parts[i].at(x, y), whole.at(x, y)) << c.name << " at " << x << "," << y;
            }
        }
    }
}

TEST(DecodePicture, BackgroundPartsLeaveOutOnlyWhatIsAlwaysCovered)
{
    // Main keeps its picture everywhere but inside the page area of SSTab1,
    // which covers it whatever page is shown, and beyond its client area.
    const std::vector<forms::PixelRect> parts = forms::BackgroundParts(MainWindowDesign);
    const auto within = [](const forms::PixelRect &r, int x, int y, int margin) {
        return x >= r.left + margin && x < r.left + r.width - margin && y >= r.top + margin
               && y < r.top + r.height - margin;
    };
    const forms::PixelRect client{0, 0, 656, 492}; // 652 x 489, and a little more
    const forms::PixelRect pageArea{forms::TwipsToPixels(SSTab1Design.rect.left),
                                    forms::TwipsToPixels(SSTab1Design.rect.top + TabHeightTwips),
                                    forms::TwipsToPixels(SSTab1Design.rect.width),
                                    forms::TwipsToPixels(SSTab1Design.rect.height - TabHeightTwips)};
    long long kept = 0;
    for (const forms::PixelRect &part : parts) {
        // Whole pixels at 125%, 150% and 200%, so the parts meet there.
        EXPECT_EQ(part.left % 4 + part.top % 4 + part.width % 4 + part.height % 4, 0) << part.left << "," << part.top;
        kept += (long long)part.width * part.height;
    }
    EXPECT_LT(kept * 3, (long long)client.width * client.height) << "less than a third of the picture is kept";
    // Whatever can show (outside the page area, or on the frame along its
    // edge) is in exactly one part; the page area is left out but for a few
    // pixels of rounding along that frame.
    for (int y = 0; y < 768; ++y) {
        for (int x = 0; x < 1024; ++x) {
            const auto in = std::count_if(parts.begin(), parts.end(),
                                          [&](const forms::PixelRect &p) { return within(p, x, y, 0); });
            if (!within(client, x, y, 0) || within(pageArea, x, y, 8))
                ASSERT_EQ(in, 0) << x << "," << y;
            else if (!within(pageArea, x, y, 4))
                ASSERT_EQ(in, 1) << x << "," << y;
            else
                ASSERT_LE(in, 1) << x << "," << y;
        }
    }

    // A window with nothing over its picture keeps all of it.
    forms::WindowDesign plain = MainWindowDesign;
    plain.backgroundCover = nullptr;
    EXPECT_EQ(forms::BackgroundParts(plain), std::vector<forms::PixelRect>{client});
}

TEST(DecodePicture, AboutPictureIsClearInItsTransparentColourAndNowhereElse)
{
    const std::vector<Decoded> gif = DecodeParts("about.gif", {{0, 0, 5000, 5000}});
    ASSERT_EQ(gif.size(), 1u);
    ASSERT_EQ(gif[0].rect, (forms::PixelRect{0, 0, 170, 170}));
    // Premultiplied: a clear pixel is all zero, whatever its colour.
    EXPECT_EQ(gif[0].at(0, 0), 0u);
    EXPECT_EQ(gif[0].at(85, 85) >> 24, 0xFFu);
    for (const std::uint32_t pixel : gif[0].pixels)
        ASSERT_TRUE(pixel == 0 || pixel >> 24 == 0xFF) << std::hex << pixel;
}

// The arrangements the browser draws the windows with: as designed wherever
// the window fits, and for the widths of phones and narrowed windows below.
constexpr int Px(int twips)
{
    return twips * forms::StandardDpi / forms::TwipsPerInch;
}

std::vector<std::string> NamesOf(const forms::Arrangement &arrangement)
{
    std::vector<std::string> names;
    for (const forms::Place &place : arrangement.places)
        names.push_back(place.name);
    std::sort(names.begin(), names.end());
    return names;
}

TEST(Arrangement, AsDesignedWhereverTheWindowFits)
{
    for (const int extra : {0, 1, 15, 9000}) {
        const forms::Arrangement main = ArrangeMain(MainWindowDesign.clientWidth + extra);
        EXPECT_FALSE(main.narrow);
        EXPECT_EQ(main.clientWidth, MainWindowDesign.clientWidth);
        EXPECT_EQ(main.clientHeight, MainWindowDesign.clientHeight);
        EXPECT_EQ(main.tabHeight, TabHeightTwips);
        EXPECT_EQ(main.textPoints, 0);
        for (const forms::StripDesign *strip : MainStrips)
            EXPECT_EQ(main.find(strip->name)->left, strip->rect.left) << strip->name;
        for (const forms::ControlDesign &control : MainPageControls()) {
            const forms::TwipsRect &at = *main.find(control.name);
            EXPECT_EQ(std::tie(at.left, at.top, at.width, at.height),
                      std::tie(control.rect.left, control.rect.top, control.rect.width, control.rect.height))
                << control.name;
        }
        const forms::Arrangement about = ArrangeAbout(MainWindowDesign.clientWidth + extra);
        EXPECT_FALSE(about.narrow);
        for (const forms::ControlDesign &control : AboutControls())
            EXPECT_EQ(about.find(control.name)->top, control.rect.top) << control.name;
        EXPECT_EQ(about.find(AboutLineDesign.name)->height, AboutLineDesign.y2 - AboutLineDesign.y1);
    }
}

// The same parts, inside the width, rows in order, and targets a finger and
// text an eye can use: at least 24 pixels each way, text at least 12
// pixels, what a box shows 16 (below that a phone zooms into the box).
TEST(Arrangement, NarrowKeepsEveryPartInsideWithTargetsAFingerCanUse)
{
    const std::vector<std::string> designedNames = NamesOf(ArrangeMain(MainWindowDesign.clientWidth));
    for (const int pixels : {300, 320, 360, 390, 412, 600, Px(MainWindowDesign.clientWidth) - 1}) {
        SCOPED_TRACE(pixels);
        const forms::Arrangement main = ArrangeMain(forms::PixelsToTwips(pixels));
        ASSERT_TRUE(main.narrow);
        EXPECT_EQ(NamesOf(main), designedNames);
        EXPECT_GE(Px(main.tabHeight), 24);
        EXPECT_GE(main.textPoints * 96 / 72, 12);
        EXPECT_GE(main.textBoxPoints * 96 / 72, 16);
        const auto inside = [](const forms::TwipsRect &part, int width, int top, int height) {
            return part.left >= 0 && part.left + part.width <= width && part.top >= top
                   && part.top + part.height <= height;
        };
        const forms::TwipsRect &outer = *main.find(SSTab1Design.name);
        EXPECT_TRUE(inside(outer, main.clientWidth, 0, main.clientHeight));
        const forms::TwipsRect &exit = *main.find(ExitButtonDesign().name);
        EXPECT_TRUE(inside(exit, main.clientWidth, outer.top + outer.height, main.clientHeight));
        EXPECT_GE(Px(exit.width), 24);
        EXPECT_GE(Px(exit.height), 24);
        for (const PagePlacement &placement : MainPages) {
            const forms::TwipsRect &strip = *main.find(placement.strip->name);
            EXPECT_TRUE(inside(strip, outer.width, main.tabHeight, outer.height)) << placement.strip->name;
            int below = main.tabHeight;
            for (const RowControls &row : DesignPage(*placement.design).rows) {
                const forms::TwipsRect &box = *main.find(row.input.name);
                const forms::TwipsRect &button = *main.find(row.button.name);
                const forms::TwipsRect &result = *main.find(row.result.name);
                for (const forms::TwipsRect *part : {&box, &button, &result})
                    EXPECT_TRUE(inside(*part, strip.width, below, strip.height)) << row.input.name;
                // Box and button side by side, the result beside them or
                // below; the next row below.
                EXPECT_LE(box.left + box.width, button.left) << row.input.name;
                EXPECT_TRUE(button.left + button.width <= result.left || box.top + box.height <= result.top)
                    << row.input.name;
                EXPECT_GE(Px(result.width), 120) << row.input.name;
                for (const forms::TwipsRect *target : {&box, &button}) {
                    EXPECT_GE(Px(target->width), 24) << row.input.name;
                    EXPECT_GE(Px(target->height), 24) << row.input.name;
                }
                below = std::max(box.top + box.height, result.top + result.height);
            }
        }
    }
    // The About box beside a narrowed main window: stacked where it does
    // not fit, its design's places where it does.
    for (const int pixels : {300, 320, Px(AboutWindowDesign.clientWidth) - 1, Px(AboutWindowDesign.clientWidth), 390, 600}) {
        SCOPED_TRACE(pixels);
        const forms::Arrangement about = ArrangeAbout(forms::PixelsToTwips(pixels));
        ASSERT_TRUE(about.narrow);
        EXPECT_GE(about.textPoints * 96 / 72, 12);
        EXPECT_EQ(NamesOf(about), NamesOf(ArrangeAbout(MainWindowDesign.clientWidth)));
        const bool stacked = pixels < Px(AboutWindowDesign.clientWidth);
        int below = 0;
        for (const forms::ControlDesign &control : AboutControls()) {
            const forms::TwipsRect &at = *about.find(control.name);
            EXPECT_LE(at.left + at.width, about.clientWidth) << control.name;
            EXPECT_LE(at.top + at.height, about.clientHeight) << control.name;
            if (stacked) {
                EXPECT_GE(at.top, below) << control.name;
                below = at.top + at.height;
            }
            if (control.kind == forms::ControlKind::Picture) {
                EXPECT_EQ(std::tie(at.width, at.height), std::tie(control.rect.width, control.rect.height));
            }
        }
        EXPECT_GE(Px(about.find(AboutOkName)->height), 24);
    }
}

} // namespace
} // namespace orvanta
