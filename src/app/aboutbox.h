#pragma once

// frmAbout, the About box, the same on every toolkit: a platform::Window of
// the adapter being built (adapter.h), made from the About design: the
// picture, the inverting line, three labels and OK. It is a dialog
// (WindowRole::Dialog): a window of its own with no owner and never modal,
// so the main window stays usable beside it and either can be in front.
// OK, Escape and the close box unload it, which discards it.

#include "window.h"

namespace orvanta {

class AboutBox final : public platform::Window
{
public:
    // The window and its controls, not yet shown. Made with new, it belongs
    // to its window.
    AboutBox();
};

} // namespace orvanta
