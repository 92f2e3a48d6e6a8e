#pragma once

#include <array>

#include "converterrow.h"
#include "pagedesign.h"
#include "windowcontrols.h"

namespace orvanta {

// One page of an inner tab strip: a header line and ten rows of one
// conversion, created from the page's design (DesignPage) on the strip's page
// by the adapter's platform::WindowControls. Each row's Convert button runs
// ConvertRow and its input box's getting the focus runs InputGotFocus.
class ConverterPage final
{
public:
    ConverterPage(const PageDesign &design, forms::Container *page, platform::WindowControls &controls);
    ConverterPage(const ConverterPage &) = delete;
    ConverterPage &operator=(const ConverterPage &) = delete;

    const std::array<ConverterRow, RowsPerPage> &rows() const { return m_rows; }

private:
    std::array<ConverterRow, RowsPerPage> m_rows;
};

} // namespace orvanta
