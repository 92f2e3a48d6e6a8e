#pragma once

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

} // namespace orvanta::platform
