#pragma once

// The Win32 About window, as the shared About life cycle sees it.

#include <memory>

#include "aboutbox.h"

namespace orvanta::forms {

using AboutForm = AboutBox;

// Empties itself when the window is destroyed (OK, Escape, the close box,
// End); a window still loaded when the reference goes goes with it.
class AboutFormRef final
{
public:
    AboutFormRef() = default;
    AboutFormRef(const AboutFormRef &) = delete;
    AboutFormRef &operator=(const AboutFormRef &) = delete;
    ~AboutFormRef()
    {
        if (AboutForm *form = *this)
            DestroyWindow(form->hwnd());
    }

    AboutFormRef &operator=(AboutForm *form)
    {
        m_form = form ? form->tracker() : std::weak_ptr<AboutForm *>();
        return *this;
    }

    operator AboutForm *() const
    {
        const std::shared_ptr<AboutForm *> form = m_form.lock();
        return form ? *form : nullptr;
    }

private:
    std::weak_ptr<AboutForm *> m_form;
};

} // namespace orvanta::forms
