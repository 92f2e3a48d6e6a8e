#include "gotfocus.h"

#include <utility>

#include <QEvent>
#include <QWidget>

namespace orvanta::platform {
namespace {

class GotFocusHook final : public QObject
{
public:
    GotFocusHook(QWidget *widget, std::function<void()> handler)
        : QObject(widget)
        , m_handler(std::move(handler))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            m_handler();
        return false;
    }

private:
    std::function<void()> m_handler;
};

} // namespace

void OnGotFocus(QWidget *widget, std::function<void()> handler)
{
    new GotFocusHook(widget, std::move(handler));
}

} // namespace orvanta::platform
