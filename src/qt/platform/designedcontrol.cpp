#include "designedcontrol.h"

#include <QLabel>

#include "fonts.h"
#include "twips.h"
#include "utf8.h"

namespace orvanta::platform {

void PlaceControl(QWidget *control, const forms::ControlDesign &design)
{
    control->setObjectName(FromUtf8(design.name));
    control->setGeometry(TwipsRect(design.rect));
    if (!design.font.isDefault())
        control->setFont(DesignFont(design.font));
    if (!design.accessibleName.empty())
        control->setAccessibleName(FromUtf8(design.accessibleName));
    if (!design.accessibleDescription.empty())
        control->setAccessibleDescription(FromUtf8(design.accessibleDescription));
}

QLabel *MakeLabel(const forms::ControlDesign &design, QWidget *parent)
{
    auto *label = new QLabel(FromUtf8(design.caption), parent);
    PlaceControl(label, design);
    const Qt::Alignment across = design.align == forms::TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(across | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace orvanta::platform
