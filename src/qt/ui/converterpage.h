#pragma once

#include <QList>
#include <QWidget>

#include "converterrow.h"
#include "pagedesign.h"

namespace orvanta {

struct RowControls;

// One page of an inner tab strip: a header line and ten rows of one
// conversion, laid out in the page's twips design.
class ConverterPage final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ConverterPage)

public:
    explicit ConverterPage(const PageDesign &design, QWidget *parent = nullptr);

    const PageDesign &design() const { return m_design; }
    const QList<ConverterRow> &rows() const { return m_rows; }

private:
    ConverterRow addRow(const RowControls &controls, int number);

    const PageDesign &m_design;
    QList<ConverterRow> m_rows;
};

} // namespace orvanta
