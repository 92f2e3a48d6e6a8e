#include "accessibleannotations.h"

#include <algorithm>

// The property GUIDs are defined here, not taken from a library.
#include <initguid.h>
#include <oleacc.h>

#include "utf8.h"

namespace orvanta::platform {

AccessibleAnnotations::AccessibleAnnotations()
{
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                m_service.putVoid())))
        m_service.reset();
}

AccessibleAnnotations::~AccessibleAnnotations()
{
    clear();
}

void AccessibleAnnotations::setName(HWND control, std::string_view name)
{
    set(control, PROPID_ACC_NAME, name);
}

void AccessibleAnnotations::setDescription(HWND control, std::string_view description)
{
    set(control, PROPID_ACC_DESCRIPTION, description);
}

void AccessibleAnnotations::set(HWND control, const GUID &property, std::string_view text)
{
    if (!m_service)
        return;
    if (SUCCEEDED(m_service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                                            FromUtf8(text).c_str()))
        && std::find(m_annotated.begin(), m_annotated.end(), control) == m_annotated.end())
        m_annotated.push_back(control);
}

void AccessibleAnnotations::clear()
{
    if (!m_service)
        return;
    const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (HWND control : m_annotated)
        m_service->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties, 2);
    m_annotated.clear();
}

} // namespace orvanta::platform
