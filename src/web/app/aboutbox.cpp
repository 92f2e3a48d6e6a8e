#include "aboutbox.h"

#include <set>

#include "aboutdesign.h"
#include "aboutinstance.h"

namespace orvanta {
namespace {

using platform::val;

std::set<unsigned> &loadedBoxes()
{
    static std::set<unsigned> serials;
    return serials;
}

} // namespace

namespace forms {

AboutForm *LoadAboutForm()
{
    return new AboutBox;
}

void Show(AboutForm *form)
{
    form->show();
}

void Unload(AboutForm *form)
{
    delete form;
}

} // namespace forms

AboutBox::AboutBox()
    : m_window(AboutWindowDesign, "icons/about-16.png", "dialog")
{
    static unsigned next = 0;
    m_serial = ++next;
    loadedBoxes().insert(m_serial);

    val client = m_window.client();
    for (const forms::ControlDesign &design : AboutControls()) {
        val element = val::null();
        switch (design.kind) {
        case forms::ControlKind::Picture:
            element = platform::Create("img", client, "control picture");
            element.set("src", design.caption);
            element.set("alt", std::string());
            break;
        case forms::ControlKind::CommandButton:
            element = platform::Create("button", client, "control centre");
            element.set("textContent", design.caption);
            break;
        default:
            element = platform::Create("div", client, "control");
            element.set("textContent", design.caption);
            break;
        }
        element["dataset"].set("name", design.name);
        platform::Place(element, design.rect);
        platform::ApplyFont(element, design.font);
        if (design.kind == forms::ControlKind::Picture) {
            // Natural size from the top-left corner, cut at the control's edge.
            element["style"].set("width", std::string("auto"));
            element["style"].set("height", std::string("auto"));
        }
        if (design.name == AboutOkName)
            m_ok = element;
    }
    // The line inverts what lies beneath it: white through "difference" is
    // NOT, and the pen's colour tints it as the desktop's XOR pen does.
    val line = platform::Create("div", client, "line");
    const LineDesign &l = AboutLineDesign;
    platform::Place(line, {l.x1, l.y1, 0, l.y2 - l.y1});
    line["style"].set("width", std::to_string(l.widthPixels) + "px");
    line["style"].set("marginLeft", std::to_string(-l.widthPixels / 2) + "px");
    line["style"].set("backgroundColor", "rgb(" + std::to_string(255 - l.red) + "," + std::to_string(255 - l.green)
                                             + "," + std::to_string(255 - l.blue) + ")");
    line.call<void>("setAttribute", std::string("aria-hidden"), std::string("true"));

    platform::SetDefaultButton(m_ok);
    m_window.setCancelButton(m_ok);
    m_window.makeMovable();
    platform::Listen(m_ok, "click", [this](val) { Command1_Click(this); });
    m_window.onClose([this] { forms::Unload(this); });
    m_window.centre();
}

AboutBox::~AboutBox()
{
    loadedBoxes().erase(m_serial);
}

void AboutBox::show()
{
    m_window.show();
    m_ok.call<void>("focus");
}

bool AboutBox::loaded(unsigned serial)
{
    return loadedBoxes().count(serial) != 0;
}

} // namespace orvanta
