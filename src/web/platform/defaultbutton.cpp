#include "defaultbutton.h"

#include <string>

namespace orvanta::platform {

void SetDefaultButton(val button)
{
    val others = button.call<val>("closest", std::string(".window"))
                     .call<val>("querySelectorAll", std::string("button.default"));
    for (int i = 0; i < others["length"].as<int>(); ++i)
        others[i]["classList"].call<void>("remove", std::string("default"));
    button["classList"].call<void>("add", std::string("default"));
}

val DefaultButton(val root)
{
    return root.call<val>("querySelector", std::string(".client button.default"));
}

} // namespace orvanta::platform
