#pragma once

#include <memory>

namespace orvanta::forms {

// The program's reference to a window that belongs to itself (a dialog,
// WindowRole::Dialog). It empties itself when the window is discarded,
// however it went (OK, Escape, the close box, End); a window still there
// when the reference goes is discarded with it.
template<class Form>
class FormRef final
{
public:
    FormRef() = default;
    ~FormRef() { delete static_cast<Form *>(*this); }
    FormRef(const FormRef &) = delete;
    FormRef &operator=(const FormRef &) = delete;

    FormRef &operator=(Form *form)
    {
        m_form = form ? form->tracker() : Tracker();
        return *this;
    }

    operator Form *() const
    {
        const auto form = m_form.lock();
        return form ? static_cast<Form *>(*form) : nullptr;
    }

private:
    using Tracker = decltype(std::declval<Form &>().tracker());
    Tracker m_form;
};

} // namespace orvanta::forms
