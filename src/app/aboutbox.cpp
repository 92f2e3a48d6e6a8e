#include "aboutbox.h"

#include "aboutdesign.h"
#include "aboutinstance.h"
#include "windowcontrols.h"

namespace orvanta {

AboutBox::AboutBox()
    : platform::Window(AboutWindowDesign)
{
    for (const forms::ControlDesign &design : AboutControls()) {
        if (design.kind == forms::ControlKind::Picture)
            controls().createPicture(design, client());
        else if (design.name == AboutOkName)
            controls().onClick(controls().createCommandButton(design, client()), [this] { Command1_Click(this); });
        else
            controls().createLabel(design, client());
    }
    drawLine(AboutLineDesign);
}

} // namespace orvanta
