#include "converterpage.h"

#include <limits>

#include <QLineEdit>
#include <QPushButton>

#include "designedcontrol.h"
#include "gotfocus.h"
#include "maindesign.h"
#include "utf8.h"

namespace orvanta {

using platform::FromUtf8;
using platform::MakeLabel;
using platform::PlaceControl;

ConverterPage::ConverterPage(const PageDesign &design, QWidget *parent)
    : QWidget(parent)
    , m_design(design)
{
    const PageControls controls = DesignPage(design);
    MakeLabel(controls.inputHeader, this);
    MakeLabel(controls.resultHeader, this);
    for (int number = 1; number <= RowsPerPage; ++number)
        m_rows.append(addRow(controls.rows[number - 1], number));
}

ConverterRow ConverterPage::addRow(const RowControls &controls, int number)
{
    ConverterRow row;
    row.conversion = m_design.conversion;
    row.number = number;

    row.input = new QLineEdit(this);
    PlaceControl(row.input, controls.input);
    row.input->setMaxLength(std::numeric_limits<int>::max());

    row.button = new QPushButton(FromUtf8(controls.button.caption), this);
    PlaceControl(row.button, controls.button);
    row.button->setAutoDefault(false);

    row.result = MakeLabel(controls.result, this);

    connect(row.button, &QPushButton::clicked, this, [row] { ConvertRow(row); });
    platform::OnGotFocus(row.input, [row] { InputGotFocus(row); });
    return row;
}

} // namespace orvanta
