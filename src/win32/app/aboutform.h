#pragma once

// The About window type of the shared About handlers (aboutinstance.h).

#include <memory>

#include "aboutbox.h"

namespace orvanta::forms {

using AboutForm = AboutBox;

// A reference to a loaded About window, like a guarded pointer: it empties
// itself when the window is unloaded (OK, Escape, its close box, End), and
// unloads a window still loaded when the reference goes.
class AboutFormRef final
{
public:
    AboutFormRef() = default;
    ~AboutFormRef();
    AboutFormRef(const AboutFormRef &) = delete;
    AboutFormRef &operator=(const AboutFormRef &) = delete;

    AboutFormRef &operator=(AboutForm *form);
    operator AboutForm *() const;

private:
    std::weak_ptr<AboutForm *> m_form;
};

} // namespace orvanta::forms
