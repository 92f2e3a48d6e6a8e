#pragma once

#include <string_view>

#include <windows.h>

#include "handles.h"

struct IAccPropServices;

namespace orvanta::platform {

// What screen readers say of native controls beyond their own text: a name
// for an edit box, which has no caption, a description, and for a label whose
// text is a result, that it is a polite live region (UI Automation's
// LiveSetting), read out when it changes. They are attached by Dynamic
// Annotation (oleacc's IAccPropServices), which the system's MSAA and UI
// Automation proxies read. Where the service is missing, the controls simply
// go without.
class AccessibleAnnotations final
{
public:
    AccessibleAnnotations();
    ~AccessibleAnnotations();

    void setName(HWND control, std::string_view name);
    void setDescription(HWND control, std::string_view description);
    // The control announces a change of its text (EVENT_OBJECT_LIVEREGIONCHANGED)
    // without interrupting the user.
    void setPoliteLiveRegion(HWND control);

    // Removes the control's annotations; call it while the control exists.
    void clear(HWND control);

private:
    void set(HWND control, const GUID &property, std::string_view text);

    ComPtr<IAccPropServices> m_service;
};

} // namespace orvanta::platform
