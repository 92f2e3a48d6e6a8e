#pragma once

#include <array>

#include <windows.h>

#include "converterrow.h"
#include "pagedesign.h"

namespace orvanta {

namespace platform {
class WindowControls;
}

// One page of an inner tab strip: a header line and ten rows of one
// conversion, created from the page's design (DesignPage) on the strip's
// page window.
class ConverterPage final
{
public:
    ConverterPage(const PageDesign &design, HWND page, platform::WindowControls &controls);
    ConverterPage(const ConverterPage &) = delete;
    ConverterPage &operator=(const ConverterPage &) = delete;

    const PageDesign &design() const { return m_design; }
    const std::array<ConverterRow, RowsPerPage> &rows() const { return m_rows; }

private:
    // The native controls the row's handlers work on.
    struct NativeRow
    {
        forms::TextBox input;
        forms::CommandButton button;
        forms::Label result;
    };

    const PageDesign &m_design;
    std::array<NativeRow, RowsPerPage> m_controls;
    std::array<ConverterRow, RowsPerPage> m_rows;
};

} // namespace orvanta
