#include "clientarea.h"

#include "arrangement.h"

namespace orvanta::platform {
namespace {

// Runs down when it has no width, across when it has no height.
void PlaceLine(val element, const forms::TwipsRect &path, int widthPixels)
{
    const bool down = path.width == 0;
    Place(element, path);
    const std::string pen = std::to_string(widthPixels) + "px";
    const std::string half = std::to_string(-widthPixels / 2) + "px";
    element["style"].set(down ? "width" : "height", pen);
    element["style"].set("marginLeft", down ? half : std::string("0"));
    element["style"].set("marginTop", down ? std::string("0") : half);
}

} // namespace

ClientArea::ClientArea(val window, const forms::WindowDesign &design)
    : m_design(design)
    , m_client(Create("div", window, "client"))
{
    val client = m_client.element();
    SetSize(client, design.clientWidth, design.clientHeight);
    ApplyFont(client, design.font);
    if (!design.background.isNone())
        client["style"].set("backgroundImage", "url(\"" + std::string(design.background.file) + "\")");
}

void ClientArea::addLine(const forms::LineDesign &line)
{
    // "difference" with the pen's complement gives NOT(pen XOR destination)
    // on black and white, as the desktop's pen does.
    val element = Create("div", m_client.element(), "line");
    element["style"].set("backgroundColor", "rgb(" + std::to_string(255 - line.red) + ","
                                                + std::to_string(255 - line.green) + ","
                                                + std::to_string(255 - line.blue) + ")");
    SetAttribute(element, "aria-hidden", "true");
    PlaceLine(element, {line.x1, line.y1, line.x2 - line.x1, line.y2 - line.y1}, line.widthPixels);
    m_lines.push_back({std::string(line.name), element, line.widthPixels});
}

void ClientArea::arrange(const forms::Arrangement &arrangement)
{
    val client = m_client.element();
    SetSize(client, arrangement.clientWidth, arrangement.clientHeight);
    if (!m_design.font.isDefault())
        ApplyFont(client, arrangement.font(m_design.font));
    for (const Line &line : m_lines) {
        if (const forms::TwipsRect *path = arrangement.find(line.name))
            PlaceLine(line.element, *path, line.widthPixels);
    }
}

} // namespace orvanta::platform
