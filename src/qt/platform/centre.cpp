#include "centre.h"

#include <QScreen>
#include <QWidget>

namespace orvanta::platform {

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    QRect target(QPoint(), window->frameGeometry().size());
    target.moveCenter(screen->availableGeometry().center());
    window->move(target.topLeft());
}

} // namespace orvanta::platform
