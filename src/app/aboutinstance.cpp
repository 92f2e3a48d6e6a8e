#include "aboutinstance.h"

namespace orvanta {

forms::AboutForm *AboutInstance::window() const
{
    return m_window;
}

void AboutInstance::Show()
{
    if (!m_window)
        m_window = forms::LoadAboutForm();
    forms::Show(m_window);
}

void mnuAbout_Click(std::unique_ptr<AboutInstance> &aboutInstance)
{
    if (!aboutInstance)
        aboutInstance = std::make_unique<AboutInstance>();
    aboutInstance->Show();
}

void Command1_Click(forms::AboutForm *form)
{
    forms::Unload(form);
}

forms::AboutForm *forms::LoadAboutForm()
{
    // The window belongs to itself: unloading it deletes it.
    auto *form = new AboutForm;
    form->centre();
    return form;
}

} // namespace orvanta
