#include "converterpage.h"

#include <limits>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "fonts.h"
#include "gotfocus.h"
#include "twips.h"

namespace orvanta {
namespace {

// Column positions of the area pages, in twips; widths are the same on all pages.
constexpr int InputLeft = 600, InputWidth = 2055;
constexpr int ButtonLeft = 2760, ButtonWidth = 1575;
constexpr int ResultLeft = 4560, ResultWidth = 4215;
constexpr int ResultHeaderLeft = 5880, ResultHeaderWidth = 1575;
constexpr int HeaderTop = 600;
constexpr int FirstRowTop = 1080, RowPitch = 360, ControlHeight = 375;

QFont labelFont()
{
    return platform::DesignFont(QStringLiteral("MS Sans Serif"), 12, QFont::Bold);
}

QString controlName(std::string_view prefix, int number)
{
    return QString::fromLatin1(prefix.data(), qsizetype(prefix.size())) + QString::number(number);
}

} // namespace

ConverterPage::ConverterPage(const PageDesign &design, QWidget *parent)
    : QWidget(parent)
    , m_design(design)
{
    addHeader(design.inputHeaderName, design.inputHeaderCaption, InputLeft, InputWidth);
    addHeader(design.resultHeaderName, design.resultHeaderCaption, ResultHeaderLeft, ResultHeaderWidth);
    for (int number = 1; number <= RowsPerPage; ++number)
        m_rows.append(addRow(number));
}

void ConverterPage::addHeader(const char *name, const char *caption, int leftTwips, int widthTwips)
{
    auto *header = new QLabel(QString::fromUtf8(caption), this);
    header->setObjectName(QString::fromLatin1(name));
    header->setFont(labelFont());
    header->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    header->setGeometry(platform::TwipsRect(leftTwips + m_design.columnShiftTwips, HeaderTop, widthTwips, ControlHeight));
}

ConverterRow ConverterPage::addRow(int number)
{
    const ConversionSpec &spec = *m_design.conversion;
    const int shift = m_design.columnShiftTwips;
    const int top = FirstRowTop + RowPitch * (number - 1);

    ConverterRow row;
    row.conversion = &spec;
    row.number = number;

    row.input = new QLineEdit(this);
    row.input->setObjectName(controlName(spec.InputPrefix, number));
    row.input->setFont(platform::DesignFont(QStringLiteral("MS Sans Serif"), 9.75));
    row.input->setMaxLength(std::numeric_limits<int>::max());
    row.input->setGeometry(platform::TwipsRect(InputLeft + shift, top, InputWidth, ControlHeight));
    row.input->setAccessibleName(QStringLiteral("%1, row %2").arg(QString::fromUtf8(m_design.inputUnitName)).arg(number));

    row.button = new QPushButton(QStringLiteral("Convert"), this);
    row.button->setObjectName(controlName(spec.ButtonPrefix, number));
    row.button->setAutoDefault(false);
    row.button->setGeometry(platform::TwipsRect(ButtonLeft + shift, top, ButtonWidth, ControlHeight));
    row.button->setAccessibleDescription(
        QStringLiteral("Convert row %1 to %2").arg(number).arg(QString::fromUtf8(m_design.resultUnitName)));

    row.result = new QLabel(this);
    row.result->setObjectName(controlName(spec.ResultPrefix, number));
    row.result->setFont(labelFont());
    row.result->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    row.result->setTextFormat(Qt::PlainText);
    row.result->setGeometry(platform::TwipsRect(ResultLeft + shift, top, ResultWidth, ControlHeight));
    // No accessible name: screen readers read the label's live text, and its
    // tooltip (the last good result) as the description.

    connect(row.button, &QPushButton::clicked, this, [row] { ConvertRow(row); });
    platform::OnGotFocus(row.input, [row] { InputGotFocus(row); });
    return row;
}

QList<QWidget *> ConverterPage::tabOrder() const
{
    QList<QWidget *> order;
    order.reserve(2 * RowsPerPage);
    switch (m_design.tabOrder) {
    case RowTabOrder::TopDown:
        order << m_rows[0].input << m_rows[0].button;
        for (int i = 1; i < RowsPerPage; ++i)
            order << m_rows[i].button << m_rows[i].input;
        break;
    case RowTabOrder::BottomUp:
        for (int i = RowsPerPage - 1; i >= 1; --i)
            order << m_rows[i].input << m_rows[i].button;
        order << m_rows[0].button << m_rows[0].input;
        break;
    }
    return order;
}

} // namespace orvanta
