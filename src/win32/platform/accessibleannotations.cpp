#include "accessibleannotations.h"

#include <iterator>

// The property GUIDs are defined here, not taken from a library.
#include <initguid.h>
#include <oleacc.h>

#include "utf8.h"

namespace orvanta::platform {
namespace {

// UI Automation's LiveSetting property as Dynamic Annotation names it, and
// its value for a polite live region (uiautomationcore.h, which MinGW-w64
// lacks).
constexpr GUID LiveSettingProperty{0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG PoliteLiveSetting = 1;

} // namespace

AccessibleAnnotations::AccessibleAnnotations()
{
    IAccPropServices *service = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                                   reinterpret_cast<void **>(&service))))
        m_service.reset(service);
}

AccessibleAnnotations::~AccessibleAnnotations() = default;

void AccessibleAnnotations::setName(HWND control, std::string_view name)
{
    set(control, PROPID_ACC_NAME, name);
}

void AccessibleAnnotations::setDescription(HWND control, std::string_view description)
{
    set(control, PROPID_ACC_DESCRIPTION, description);
}

void AccessibleAnnotations::setPoliteLiveRegion(HWND control)
{
    if (!m_service)
        return;
    VARIANT setting{};
    setting.vt = VT_I4;
    setting.lVal = PoliteLiveSetting;
    m_service->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, LiveSettingProperty, setting);
}

void AccessibleAnnotations::set(HWND control, const GUID &property, std::string_view text)
{
    if (!m_service)
        return;
    m_service->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, property,
                              FromUtf8(text).c_str());
}

void AccessibleAnnotations::clear(HWND control)
{
    if (!m_service)
        return;
    const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, LiveSettingProperty};
    m_service->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, properties,
                              static_cast<int>(std::size(properties)));
}

} // namespace orvanta::platform
