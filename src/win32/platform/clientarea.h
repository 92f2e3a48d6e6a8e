#pragma once

#include <vector>

#include <windows.h>

#include "design.h"
#include "dibpicture.h"

namespace orvanta::platform {

// What a window paints on its client area, beneath its controls: the window
// colour, the design's background picture at its natural size from the
// top-left corner, cut off where the window ends, and the designed lines,
// which invert what lies beneath them. The picture is decoded when the
// client area is made, before its window: only the parts the window can
// show, the same at every DPI.
class ClientArea final
{
public:
    explicit ClientArea(const forms::WindowDesign &design);

    // Whether the window paints its own background (WM_ERASEBKGND) rather
    // than leave it to its class brush.
    bool hasPicture() const { return m_hasPicture; }
    bool hasLines() const { return !m_lines.empty(); }

    void addLine(const forms::LineDesign &line) { m_lines.push_back(line); }

    void paintBackground(HWND window, HDC dc, int dpi) const;
    void paintLines(HDC dc, int dpi) const;

private:
    DibPicture m_picture;
    bool m_hasPicture = false;
    std::vector<forms::LineDesign> m_lines;
};

} // namespace orvanta::platform
