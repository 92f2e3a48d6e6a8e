#include "converterpage.h"

#include "maindesign.h"
#include "windowcontrols.h"

namespace orvanta {

ConverterPage::ConverterPage(const PageDesign &design, HWND page, platform::WindowControls &controls)
    : m_design(design)
{
    const PageControls layout = DesignPage(design);
    controls.create(layout.inputHeader, page);
    controls.create(layout.resultHeader, page);
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        const RowControls &rowDesign = layout.rows[i];
        NativeRow &native = m_controls[i];
        native.input.hwnd = controls.create(rowDesign.input, page);
        native.button.hwnd = controls.create(rowDesign.button, page);
        native.result.hwnd = controls.create(rowDesign.result, page);
        native.result.toolTip = controls.toolTip();
        native.result.annotations = &controls.annotations();
        controls.addToolTip(native.result.hwnd);

        m_rows[i] = {design.conversion, static_cast<int>(i) + 1, &native.input, &native.button, &native.result};
        const ConverterRow &row = m_rows[i];
        controls.onClick(native.button.hwnd, [row] { ConvertRow(row); });
        controls.onGotFocus(native.input.hwnd, [row] { InputGotFocus(row); });
    }
}

} // namespace orvanta
