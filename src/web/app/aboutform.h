#pragma once

// The page's About window, as the shared About life cycle sees it.

#include "aboutbox.h"

namespace orvanta::forms {

using AboutForm = AboutBox;

// Empties itself when the window is unloaded (OK, Enter, Escape, the close
// box); a window still loaded when the reference goes goes with it.
class AboutFormRef final
{
public:
    AboutFormRef() = default;
    AboutFormRef(const AboutFormRef &) = delete;
    AboutFormRef &operator=(const AboutFormRef &) = delete;
    ~AboutFormRef() { delete get(); }

    AboutFormRef &operator=(AboutBox *box)
    {
        m_box = box;
        m_serial = box ? box->serial() : 0;
        return *this;
    }
    AboutBox *get() const { return AboutBox::loaded(m_serial) ? m_box : nullptr; }
    operator AboutBox *() const { return get(); }

private:
    AboutBox *m_box = nullptr;
    unsigned m_serial = 0;
};

} // namespace orvanta::forms
