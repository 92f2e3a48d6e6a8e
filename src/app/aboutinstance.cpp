#include "aboutinstance.h"

#include "aboutdesign.h"
#include "forms.h"

namespace orvanta {

AboutBox *LoadAboutForm()
{
    // The window belongs to itself: unloading it deletes it.
    auto *form = new AboutBox;
    form->centre();
    return form;
}

AboutBox *AboutInstance::window() const
{
    return m_window;
}

void AboutInstance::Show()
{
    if (!m_window)
        m_window = LoadAboutForm();
    window()->bringToFront(AboutOkName);
}

void mnuAbout_Click(std::unique_ptr<AboutInstance> &aboutInstance)
{
    if (!aboutInstance)
        aboutInstance = std::make_unique<AboutInstance>();
    aboutInstance->Show();
}

void Command1_Click(AboutBox *form)
{
    forms::Unload(form);
}

} // namespace orvanta
