#pragma once

// The Qt About window, as the shared About life cycle sees it.

#include <QPointer>

#include "aboutbox.h"

namespace orvanta::forms {

using AboutForm = AboutBox;

// Empties itself when the window is deleted (OK, Escape, the close box); a
// window still loaded when the reference goes (hidden by End) goes with it.
class AboutFormRef final : public QPointer<AboutBox>
{
public:
    using QPointer<AboutBox>::QPointer;
    using QPointer<AboutBox>::operator=;
    AboutFormRef() = default;
    AboutFormRef(const AboutFormRef &) = delete;
    AboutFormRef &operator=(const AboutFormRef &) = delete;
    ~AboutFormRef() { delete data(); }
};

} // namespace orvanta::forms
