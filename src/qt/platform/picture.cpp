#include "picture.h"

#include <span>
#include <stdexcept>
#include <utility>

#include <QResource>

#include "background.h"
#include "resources.h"

namespace orvanta::platform {

std::vector<PicturePart> DecodeBackground(const forms::WindowDesign &design)
{
    const QByteArray file = QResource(ResourcePath(design.background)).uncompressedData();
    std::vector<PicturePart> kept;
    try {
        forms::DecodeBackground(design,
                                std::span(reinterpret_cast<const unsigned char *>(file.constData()),
                                          static_cast<std::size_t>(file.size())),
                                [&kept](const forms::PixelRect &part) {
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

} // namespace orvanta::platform
