#pragma once

#include <string_view>
#include <vector>

#include <windows.h>

#include "handles.h"

struct IAccPropServices;

namespace orvanta::platform {

// What screen readers say of native controls beyond their own text: a name
// for an edit box, which has no caption, and a description. They are attached
// by Dynamic Annotation (oleacc's IAccPropServices), which the system's MSAA
// and UI Automation proxies read. Where the service is missing, the controls
// simply go without.
class AccessibleAnnotations final
{
public:
    AccessibleAnnotations();
    ~AccessibleAnnotations();

    void setName(HWND control, std::string_view name);
    void setDescription(HWND control, std::string_view description);

    // Removes every annotation made here; call it while the controls exist.
    void clear();

private:
    void set(HWND control, const GUID &property, std::string_view text);

    ComPtr<IAccPropServices> m_service;
    std::vector<HWND> m_annotated;
};

} // namespace orvanta::platform
