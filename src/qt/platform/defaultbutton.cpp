#include "defaultbutton.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

namespace orvanta::platform {
namespace {

bool isPlainReturn(const QKeyEvent *key)
{
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return modifiers == Qt::NoModifier;
}

bool canClick(const QPushButton *button)
{
    return button && button->isVisible() && button->isEnabled();
}

} // namespace

DefaultButtonController::DefaultButtonController(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    setObjectName(QStringLiteral("DefaultButtonController"));
    window->installEventFilter(this);
}

DefaultButtonController *DefaultButtonController::of(const QWidget *widget)
{
    if (!widget)
        return nullptr;
    return widget->window()->findChild<DefaultButtonController *>(QStringLiteral("DefaultButtonController"),
                                                                   Qt::FindDirectChildrenOnly);
}

void DefaultButtonController::setDefaultButton(QPushButton *button)
{
    if (m_default == button)
        return;
    if (m_default)
        m_default->setDefault(false);
    m_default = button;
    if (m_default)
        m_default->setDefault(true);
}

QPushButton *DefaultButtonController::defaultButton() const
{
    return m_default;
}

bool DefaultButtonController::eventFilter(QObject *watched, QEvent *event)
{
    // Key presses reach the window only when the focused control ignored
    // them, which line edits and tab bars do for Return.
    if (watched != m_window || event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (!isPlainReturn(key))
        return false;

    if (auto *focused = qobject_cast<QPushButton *>(m_window->focusWidget()); canClick(focused)) {
        focused->click();
        return true;
    }
    if (canClick(m_default)) {
        m_default->click();
        return true;
    }
    return false;
}

} // namespace orvanta::platform
