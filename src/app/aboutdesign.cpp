#include "aboutdesign.h"

namespace orvanta {

std::array<forms::ControlDesign, 5> AboutControls()
{
    using forms::ControlKind;
    using forms::TextAlign;
    // The labels and OK use the window's font.
    return {{
        {ControlKind::Picture, "Image1", {}, {0, 0, 2550, 2550}, {}, TextAlign::Left, {}, {}, AboutPicture},
        {ControlKind::Label, "Label1", "Software by, ", {2760, 120, 2295, 255}, {}, TextAlign::Left, {}, {}, {}},
        {ControlKind::Label, "Label2", "HOLBRIK", {2760, 480, 2415, 255}, {}, TextAlign::Left, {}, {}, {}},
        {ControlKind::Label, "Label3", "www.holbrik.example", {2760, 720, 2415, 255}, {}, TextAlign::Left, {}, {}, {}},
        {ControlKind::CommandButton, std::string(AboutOkName), "OK", {3480, 1920, 1095, 495}, {}, TextAlign::Centre, {}, {}, {}},
    }};
}

} // namespace orvanta
