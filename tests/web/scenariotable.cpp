// Prints the shared user scenarios (tests/scenarios/scenarios.h) as JSON, for
// the page's player (player.mjs), which plays them in Chromium, Firefox and
// WebKit; or, with --monkey, the random session of one seed
// (tests/scenarios/monkey.h).
//
//   scenariotable [--monkey SEED STEPS]

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "monkey.h"
#include "scenarios.h"

namespace {

using orvanta::scenarios::Op;

const char *NameOf(Op op)
{
    switch (op) {
    case Op::ClickTab: return "ClickTab";
    case Op::ClickInto: return "ClickInto";
    case Op::Type: return "Type";
    case Op::Press: return "Press";
    case Op::Click: return "Click";
    case Op::Choose: return "Choose";
    case Op::EndsBy: return "EndsBy";
    case Op::ExpectText: return "ExpectText";
    case Op::ExpectCaption: return "ExpectCaption";
    case Op::ExpectTip: return "ExpectTip";
    case Op::ExpectFocus: return "ExpectFocus";
    case Op::ExpectDefault: return "ExpectDefault";
    case Op::ExpectWarning: return "ExpectWarning";
    case Op::ExpectNoWarning: return "ExpectNoWarning";
    case Op::ExpectWindows: return "ExpectWindows";
    }
    return "?";
}

// UTF-8 passes through; quotes, backslashes and control characters are escaped.
std::string Quoted(std::string_view text)
{
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::string ScenarioJson(std::string_view name, const std::vector<orvanta::scenarios::Step> &steps)
{
    std::string out = "\n {\"name\": " + Quoted(name) + ", \"steps\": [";
    const char *comma = "";
    for (const auto &step : steps) {
        out += comma;
        comma = ",";
        out += "\n  [\"" + std::string(NameOf(step.op)) + "\", " + Quoted(step.target) + ", " + Quoted(step.text) + "]";
    }
    return out + "]}";
}

} // namespace

int main(int argc, char **argv)
{
    std::string out = "[";
    if (argc == 4 && std::string_view(argv[1]) == "--monkey") {
        const std::uint64_t seed = std::strtoull(argv[2], nullptr, 10);
        const orvanta::scenarios::MonkeySession session(seed, std::atoi(argv[3]));
        out += ScenarioJson("a random session of seed " + std::to_string(seed), session.steps());
    } else if (argc == 1) {
        const char *comma = "";
        for (const auto &scenario : orvanta::scenarios::Scenarios()) {
            out += comma;
            comma = ",";
            out += ScenarioJson(scenario.name, scenario.steps);
        }
    } else {
        std::fputs("usage: scenariotable [--monkey SEED STEPS]\n", stderr);
        return 2;
    }
    out += "\n]\n";
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() ? 0 : 1;
}
