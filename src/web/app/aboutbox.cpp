#include "aboutbox.h"

#include <string>

#include "aboutdesign.h"
#include "aboutinstance.h"

namespace orvanta {

void forms::Unload(Form *form)
{
    delete form;
}

AboutBox::AboutBox()
    : m_window(AboutWindowDesign, "dialog")
    , m_client(std::make_unique<platform::Control>(m_window.client()))
    , m_tracker(std::make_shared<AboutBox *>(this))
{
    for (const forms::ControlDesign &design : AboutControls())
        m_controls.create(design, m_client.get());
    m_ok = m_controls.find(AboutWindowDesign.defaultButton);
    platform::SetDefaultButton(m_ok->element());
    m_controls.onClick(m_ok, [this] { Command1_Click(this); });

    // The line inverts what lies beneath it: "difference" with the pen's
    // complement gives NOT(pen XOR destination) on black and white, as the
    // desktop's pen does.
    const forms::LineDesign &l = AboutLineDesign;
    platform::val line = platform::Create("div", m_window.client(), "line");
    platform::Place(line, {l.x1, l.y1, 0, l.y2 - l.y1});
    line["style"].set("width", std::to_string(l.widthPixels) + "px");
    line["style"].set("marginLeft", std::to_string(-l.widthPixels / 2) + "px");
    line["style"].set("backgroundColor", "rgb(" + std::to_string(255 - l.red) + "," + std::to_string(255 - l.green)
                                             + "," + std::to_string(255 - l.blue) + ")");
    line.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));

    m_window.makeMovable();
    m_window.onClose([this] { forms::Unload(this); });
}

AboutBox::~AboutBox() = default;

void AboutBox::centre()
{
    m_window.centre();
}

void AboutBox::bringToFront(std::string_view focus)
{
    m_window.show();
    if (platform::Control *control = m_controls.find(focus))
        control->element().call<void>("focus");
}

} // namespace orvanta
