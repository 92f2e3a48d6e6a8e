#include "desktop.h"

#include <string>

namespace orvanta::platform {
namespace {

int &frontmost()
{
    static int z = 10;
    return z;
}

} // namespace

val DesktopElement()
{
    return val::global("document").call<val>("getElementById", std::string("desktop"));
}

void BringToFront(val element)
{
    val root = element.call<val>("closest", std::string(".window"));
    if (!root.isNull())
        root["style"].set("zIndex", ++frontmost());
}

void ActivateFrontWindow()
{
    val windows = DesktopElement().call<val>("querySelectorAll", std::string(":scope > .window:not([hidden])"));
    val front = val::null();
    int frontZ = -1;
    for (int i = 0; i < windows["length"].as<int>(); ++i) {
        const std::string z = windows[i]["style"]["zIndex"].as<std::string>();
        const int value = z.empty() ? 0 : std::stoi(z);
        if (value > frontZ) {
            frontZ = value;
            front = windows[i];
        }
    }
    if (front.isNull())
        return;
    val last = front["orvantaLastFocus"];
    if (!last.isUndefined() && last["isConnected"].as<bool>())
        last.call<void>("focus");
}

Viewport CurrentViewport()
{
    // The root's client width leaves out a scroll bar, which the page may
    // have when a window is taller than the screen.
    return {val::global("document")["documentElement"]["clientWidth"].as<double>(),
            val::global("innerHeight").as<double>()};
}

} // namespace orvanta::platform
