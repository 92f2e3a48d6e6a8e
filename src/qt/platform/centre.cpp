#include "centre.h"

#include <QScreen>
#include <QWidget>

#include "centring.h"

namespace orvanta::platform {

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize frame = window->frameGeometry().size();
    const forms::ScreenPoint corner =
        forms::CentredTopLeft({frame.width(), frame.height()}, {area.left(), area.top(), area.width(), area.height()});
    window->move(corner.x, corner.y);
}

} // namespace orvanta::platform
