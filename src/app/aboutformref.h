#pragma once

// The program's reference to a loaded About window, for adapters whose window
// object goes when it is unloaded. The adapter's aboutform.h declares
// forms::AboutForm, whose tracker() expires when the window is unloaded, and
// forms::Unload, then includes this.

#include <memory>

namespace orvanta::forms {

// Empties itself when the window is unloaded (OK, Escape, the close box,
// End); a window still loaded when the reference goes is unloaded with it.
class AboutFormRef final
{
public:
    AboutFormRef() = default;
    AboutFormRef(const AboutFormRef &) = delete;
    AboutFormRef &operator=(const AboutFormRef &) = delete;
    ~AboutFormRef()
    {
        if (AboutForm *form = *this)
            Unload(form);
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
