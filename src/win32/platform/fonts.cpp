#include "fonts.h"

#include <algorithm>
#include <cmath>
#include <cwchar>
#include <string>
#include <string_view>
#include <system_error>

#include "utf8.h"

namespace orvanta::platform {
namespace {

struct FaceQuery
{
    const wchar_t *face;
    int dpi;
    bool found = false;
};

int CALLBACK noteFace(const LOGFONTW *font, const TEXTMETRICW *, DWORD fontType, LPARAM data)
{
    auto *query = reinterpret_cast<FaceQuery *>(data);
    // Only the face itself counts, not a substitute the enumeration lists.
    if (_wcsicmp(font->lfFaceName, query->face) != 0)
        return 1;
    if ((fontType & RASTER_FONTTYPE) && query->dpi != forms::StandardDpi)
        return 1;
    query->found = true;
    return 0;
}

bool isInstalled(const std::wstring &face, int dpi)
{
    if (face.empty() || face.size() >= LF_FACESIZE)
        return false;
    LOGFONTW pattern{};
    pattern.lfCharSet = DEFAULT_CHARSET;
    face.copy(pattern.lfFaceName, face.size());
    FaceQuery query{face.c_str(), dpi};
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExW(screen, &pattern, noteFace, reinterpret_cast<LPARAM>(&query), 0);
    ReleaseDC(nullptr, screen);
    return query.found;
}

bool sameDesign(const forms::FontDesign &a, const forms::FontDesign &b)
{
    return a.face == b.face && a.points == b.points && a.weight == b.weight;
}

std::wstring installedFace(std::string_view face, int dpi)
{
    const std::wstring wanted = FromUtf8(face);
    if (isInstalled(wanted, dpi))
        return wanted;
    for (const forms::FontFallback &fallback : forms::FontFallbacks) {
        if (fallback.face != face)
            continue;
        for (std::string_view substitute : fallback.substitutes) {
            std::wstring candidate = FromUtf8(substitute);
            if (isInstalled(candidate, dpi))
                return candidate;
        }
    }
    // Nothing better is installed: leave the choice to the font mapper.
    return wanted;
}

UniqueFont checked(HFONT font)
{
    if (!font)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateFontIndirectW");
    return UniqueFont(font);
}

UniqueFont messageFont(int dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi))) {
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        metrics.lfMessageFont.lfHeight =
            MulDiv(metrics.lfMessageFont.lfHeight, dpi, static_cast<int>(GetDpiForSystem()));
    }
    return checked(CreateFontIndirectW(&metrics.lfMessageFont));
}

UniqueFont designFont(const forms::FontDesign &design, int dpi)
{
    if (design.isDefault())
        return messageFont(dpi);
    LOGFONTW font{};
    font.lfHeight = -static_cast<LONG>(std::lround(design.points * dpi / 72.0));
    font.lfWeight = static_cast<LONG>(design.weight);
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = installedFace(design.face, dpi);
    face.copy(font.lfFaceName, std::min<std::size_t>(face.size(), LF_FACESIZE - 1));
    return checked(CreateFontIndirectW(&font));
}

} // namespace

WindowFonts::WindowFonts(const forms::FontDesign &windowFont, int dpi)
    : m_windowFont(windowFont)
    , m_dpi(dpi)
{
}

HFONT WindowFonts::font(const forms::FontDesign &design)
{
    const forms::FontDesign &wanted = design.isDefault() ? m_windowFont : design;
    for (const Entry &entry : m_fonts) {
        if (sameDesign(entry.design, wanted))
            return entry.font.get();
    }
    m_fonts.push_back({wanted, designFont(wanted, m_dpi)});
    return m_fonts.back().font.get();
}

std::vector<UniqueFont> WindowFonts::setDpi(int dpi)
{
    // All are made before any is replaced: a font that cannot be made
    // leaves the window as it was.
    std::vector<UniqueFont> made;
    for (const Entry &entry : m_fonts)
        made.push_back(designFont(entry.design, dpi));
    std::vector<UniqueFont> old;
    for (std::size_t i = 0; i < m_fonts.size(); ++i) {
        old.push_back(std::move(m_fonts[i].font));
        m_fonts[i].font = std::move(made[i]);
    }
    m_dpi = dpi;
    return old;
}

} // namespace orvanta::platform
