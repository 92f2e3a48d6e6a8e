// The About box's forms operations (aboutinstance.h) on Win32.

#include "aboutform.h"

#include "aboutinstance.h"

namespace orvanta::forms {

AboutFormRef::~AboutFormRef()
{
    if (AboutForm *form = *this)
        form->unload();
}

AboutFormRef &AboutFormRef::operator=(AboutForm *form)
{
    m_form = form ? form->tracker() : std::weak_ptr<AboutForm *>();
    return *this;
}

AboutFormRef::operator AboutForm *() const
{
    const std::shared_ptr<AboutForm *> form = m_form.lock();
    return form ? *form : nullptr;
}

AboutForm *LoadAboutForm()
{
    return AboutBox::load();
}

void Show(AboutForm *form)
{
    form->bringToFront();
}

void Unload(AboutForm *form)
{
    form->unload();
}

} // namespace orvanta::forms
