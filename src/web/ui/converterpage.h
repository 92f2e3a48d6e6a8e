#pragma once

#include <memory>
#include <vector>

#include "converterrow.h"
#include "dom.h"
#include "pagedesign.h"

namespace orvanta {

// One page of an inner tab strip: a header line and ten rows of one
// conversion, laid out in the page's twips design, its controls in the
// order the Tab key visits them.
class ConverterPage final
{
public:
    ConverterPage(const PageDesign &design, platform::val panel);
    ConverterPage(const ConverterPage &) = delete;
    ConverterPage &operator=(const ConverterPage &) = delete;

    const std::vector<ConverterRow> &rows() const { return m_rows; }

private:
    std::vector<std::unique_ptr<platform::Control>> m_controls;
    std::vector<ConverterRow> m_rows;
};

} // namespace orvanta
