#include "picture.h"

#include <future>
#include <span>
#include <stdexcept>
#include <string_view>

#include <QResource>

#include "decodedpicture.h"
#include "resources.h"

namespace orvanta::platform {
namespace {

struct Decoding
{
    std::string_view file;
    QSize keep;
    std::future<QImage> image;
};

// One picture decodes ahead: the main window's background.
Decoding &Started()
{
    static Decoding decoding;
    return decoding;
}

} // namespace

QImage DecodePicture(const forms::ResourceDesign &picture, QSize keep)
{
    const QByteArray file = QResource(ResourcePath(picture)).uncompressedData();
    QImage image;
    try {
        forms::DecodePicture(std::span(reinterpret_cast<const unsigned char *>(file.constData()),
                                       static_cast<std::size_t>(file.size())),
                             {keep.width(), keep.height()}, [&image](forms::PictureSize kept) {
                                 image = QImage(kept.width, kept.height, QImage::Format_ARGB32_Premultiplied);
                                 if (image.isNull())
                                     throw std::runtime_error("no memory for the picture");
                                 return reinterpret_cast<std::uint32_t *>(image.bits());
                             });
    } catch (const std::exception &) {
        return {};
    }
    return image;
}

void StartDecoding(const forms::ResourceDesign &picture, QSize keep)
{
    Started() = {picture.file, keep, std::async(std::launch::async, [&picture, keep] {
                     return DecodePicture(picture, keep);
                 })};
}

QImage DecodedPicture(const forms::ResourceDesign &picture, QSize keep)
{
    Decoding &started = Started();
    if (started.image.valid() && started.file == picture.file && started.keep == keep)
        return started.image.get();
    return DecodePicture(picture, keep);
}

} // namespace orvanta::platform
