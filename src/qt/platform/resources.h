#pragma once

#include <span>

#include <QResource>
#include <QString>

#include "design.h"
#include "utf8.h"

namespace orvanta::platform {

// Where Qt finds a picture or icon of the design: compiled into the program
// from resources/ (orvanta_resources).
inline QString ResourcePath(const forms::ResourceDesign &resource)
{
    return QStringLiteral(":/images/") + FromUtf8(resource.file);
}

// The bytes of a picture of the design, where the program keeps them for as
// long as it runs: the pictures are stored unpacked.
inline std::span<const unsigned char> ResourceBytes(const forms::ResourceDesign &resource)
{
    const QResource file(ResourcePath(resource));
    if (file.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return {file.data(), static_cast<std::size_t>(file.size())};
}

} // namespace orvanta::platform
