#pragma once

#include <QList>
#include <QWidget>

#include "converterrow.h"
#include "pagedesign.h"

namespace orvanta {

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

    // The page's input boxes and Convert buttons in the order the Tab key
    // visits them.
    QList<QWidget *> tabOrder() const;

private:
    void addHeader(const char *name, const char *caption, int leftTwips, int widthTwips);
    ConverterRow addRow(int number);

    const PageDesign &m_design;
    QList<ConverterRow> m_rows;
};

} // namespace orvanta
