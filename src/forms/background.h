#pragma once

// A window's background picture, as much of it as the window can show: the
// client area, less the middle of the strip that covers it (the design's
// backgroundCover), whose pages are painted whatever page is shown. Only
// those parts are decoded and kept; the adapters draw them.

#include <cstdint>
#include <exception>
#include <functional>
#include <future>
#include <span>
#include <vector>

#include "decodedpicture.h"
#include "design.h"

namespace orvanta::forms {

// The parts, in pixels at the standard DPI: the client area (rounded up) as
// bands above and below the covered middle and pieces left and right of it.
// Their edges lie on multiples of four pixels, so scaled by the usual steps
// of a quarter (125%, 150%, 200%) they stay whole pixels and the parts join
// without a seam.
std::vector<PixelRect> BackgroundParts(const WindowDesign &design);

// Decodes those parts of the background picture from its file (DecodePicture).
void DecodeBackground(const WindowDesign &design, std::span<const unsigned char> file,
                      const PixelDestination &destination);

// A decoded part: its pixels as DecodePicture writes them, row by row.
struct DecodedPart
{
    PixelRect rect;
    std::vector<std::uint32_t> pixels;
};

// The parts, decoded; none when the picture cannot be decoded.
inline std::vector<DecodedPart> DecodedBackground(const WindowDesign &design, std::span<const unsigned char> file)
{
    std::vector<DecodedPart> parts;
    try {
        DecodeBackground(design, file, [&parts](const PixelRect &part) {
            parts.push_back({part, std::vector<std::uint32_t>(std::size_t(part.width) * std::size_t(part.height))});
            return parts.back().pixels.data();
        });
    } catch (const std::exception &) {
        return {};
    }
    return parts;
}

// For a toolkit that takes long to start, the main window's background
// decoded on another thread while it starts: the decoder's buffers for the
// whole picture then come and go while the process is still small, not on
// top of the finished window. Only the toolkits that use it compile it in.
class BackgroundAhead final
{
public:
    // Starts decoding; file must stay valid (the program's resources).
    static void Start(const WindowDesign &design, std::span<const unsigned char> file)
    {
        started() = {&design, std::async(std::launch::async, DecodedBackground, std::cref(design), file)};
    }

    // The parts started for the design, once they are ready; decoded now
    // when none were started.
    static std::vector<DecodedPart> Take(const WindowDesign &design, std::span<const unsigned char> file)
    {
        Decoding &decoding = started();
        if (decoding.design == &design && decoding.parts.valid())
            return decoding.parts.get();
        return DecodedBackground(design, file);
    }

private:
    struct Decoding
    {
        const WindowDesign *design = nullptr;
        std::future<std::vector<DecodedPart>> parts;
    };

    static Decoding &started()
    {
        static Decoding decoding;
        return decoding;
    }
};

} // namespace orvanta::forms
