#include "converterpage.h"

#include "maindesign.h"

namespace orvanta {

ConverterPage::ConverterPage(const PageDesign &design, forms::Container *page, platform::WindowControls &controls)
{
    const PageControls layout = DesignPage(design);
    controls.createLabel(layout.inputHeader, page);
    controls.createLabel(layout.resultHeader, page);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const RowControls &row = layout.rows[i];
        m_rows[i] = {design.conversion, static_cast<int>(i) + 1, controls.createTextBox(row.input, page),
                     controls.createCommandButton(row.button, page), controls.createLabel(row.result, page)};
        const ConverterRow &made = m_rows[i];
        controls.onClick(made.button, [made] { ConvertRow(made); });
        controls.onGotFocus(made.input, [made] { InputGotFocus(made); });
    }
}

} // namespace orvanta
