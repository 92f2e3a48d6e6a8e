#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// Every text the windows' designs draw in one face, a line each: captions,
// menus, tabs, headers, buttons and the units results end with. Menus,
// tabs, captions and controls without a face of their own count as the
// face of the page's windows, "MS Sans Serif". For a page that carries its
// fonts cut down to what it draws.
std::string DesignTexts(std::string_view face);

} // namespace orvanta
