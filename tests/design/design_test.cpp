// The shared design data and the pure functions the adapters place windows
// with: what every toolkit builds from, checked once.

#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "aboutdesign.h"
#include "centring.h"
#include "maindesign.h"

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
        const StripDesign &strip = *MainStrips[i];
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

} // namespace
} // namespace orvanta
