#include "picture.h"

#include <future>
#include <span>
#include <stdexcept>
#include <string_view>
#include <utility>

#include <QResource>

#include "resources.h"

namespace orvanta::platform {
namespace {

struct Decoding
{
    std::string_view file;
    std::vector<forms::PixelRect> parts;
    std::future<std::vector<PicturePart>> decoded;
};

// One picture decodes ahead: the main window's background.
Decoding &Started()
{
    static Decoding decoding;
    return decoding;
}

} // namespace

std::vector<PicturePart> DecodePicture(const forms::ResourceDesign &picture, std::vector<forms::PixelRect> parts)
{
    const QByteArray file = QResource(ResourcePath(picture)).uncompressedData();
    std::vector<PicturePart> kept;
    try {
        forms::DecodePicture(std::span(reinterpret_cast<const unsigned char *>(file.constData()),
                                       static_cast<std::size_t>(file.size())),
                             parts, [&kept](const forms::PixelRect &part) {
                                 QImage image(part.width, part.height, QImage::Format_ARGB32_Premultiplied);
                                 if (image.isNull())
                                     throw std::runtime_error("no memory for the picture");
                                 kept.push_back({QPoint(part.left, part.top), std::move(image)});
                                 return reinterpret_cast<std::uint32_t *>(kept.back().image.bits());
                             });
    } catch (const std::exception &) {
        return {};
    }
    return kept;
}

void StartDecoding(const forms::ResourceDesign &picture, std::vector<forms::PixelRect> parts)
{
    Decoding &started = Started();
    started.file = picture.file;
    started.parts = parts;
    started.decoded = std::async(std::launch::async, [picture, parts = std::move(parts)] {
        return DecodePicture(picture, parts);
    });
}

std::vector<PicturePart> DecodedPicture(const forms::ResourceDesign &picture, std::vector<forms::PixelRect> parts)
{
    Decoding &started = Started();
    if (started.decoded.valid() && started.file == picture.file && started.parts == parts)
        return started.decoded.get();
    return DecodePicture(picture, std::move(parts));
}

} // namespace orvanta::platform
