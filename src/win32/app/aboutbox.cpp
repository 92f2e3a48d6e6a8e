#include "aboutbox.h"

#include "aboutdesign.h"
#include "aboutinstance.h"
#include "twips.h"
#include "utf8.h"
#include "windowcontrols.h"

namespace orvanta {
namespace {

// A fixed frame with a close box only, no owner, and a taskbar button of its
// own.
constexpr platform::WindowFrame AboutFrame{L"Orvanta.About", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                                           WS_EX_APPWINDOW};

} // namespace

AboutBox::AboutBox()
    : DesignedWindow(AboutWindowDesign, AboutFrame)
    , m_picture(platform::FromUtf8(AboutPicture.resourceName).c_str())
    , m_tracker(std::make_shared<AboutBox *>(this))
{
    create();
}

AboutBox::~AboutBox() = default;

void AboutBox::buildContents()
{
    for (const forms::ControlDesign &design : AboutControls()) {
        HWND control = controls().create(design, hwnd());
        if (design.kind == forms::ControlKind::Picture)
            controls().setPicture(control, &m_picture);
        if (design.name == AboutOkName) {
            m_command1 = control;
            controls().onClick(control, [this] { Command1_Click(this); });
        }
    }
}

void AboutBox::bringToFront(std::string_view)
{
    showInFront(m_command1);
}

LRESULT AboutBox::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        onPaint(window);
        return 0;
    }
    return DesignedWindow::handleMessage(window, message, wParam, lParam);
}

void AboutBox::onPaint(HWND window)
{
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    // Line1 inverts what lies beneath: each pixel becomes NOT(pen XOR
    // destination), with flat ends at the design's end points.
    const int dpi = this->dpi();
    const forms::LineDesign &line = AboutLineDesign;
    LOGBRUSH brush{BS_SOLID, RGB(line.red, line.green, line.blue), 0};
    const platform::UniquePen pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT,
                                               static_cast<DWORD>(platform::ScaledPixels(line.widthPixels, dpi)),
                                               &brush, 0, nullptr));
    {
        const platform::SelectedObject selected(dc, pen.get());
        const int previous = SetROP2(dc, R2_NOTXORPEN);
        MoveToEx(dc, platform::Twips(line.x1, dpi), platform::Twips(line.y1, dpi), nullptr);
        LineTo(dc, platform::Twips(line.x2, dpi), platform::Twips(line.y2, dpi));
        SetROP2(dc, previous);
    }
    EndPaint(window, &paint);
}

void forms::Unload(Form *form)
{
    // The box deletes itself when its window is destroyed.
    DestroyWindow(form->hwnd());
}
} // namespace orvanta
