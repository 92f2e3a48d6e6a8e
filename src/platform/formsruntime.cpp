#include "formsruntime.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "defaultbutton.h"
#include "tabstrip.h"

namespace orvanta::platform {

QString Text(const QLineEdit *box)
{
    return box->text();
}

void SetText(QLineEdit *box, const QString &text)
{
    box->setText(text);
}

void SetFocus(QLineEdit *box)
{
    // After a modal box closes, some window managers (and none at all) leave
    // no window active; focus set then would not arrive until the user clicks.
    if (!box->window()->isActiveWindow())
        box->window()->activateWindow();
    box->setFocus(Qt::OtherFocusReason);
}

QString Caption(const QLabel *label)
{
    return label->text();
}

void SetCaption(QLabel *label, const QString &caption)
{
    label->setText(caption);
}

void SetToolTipText(QLabel *label, const QString &tip)
{
    label->setToolTip(tip);
}

void SetDefault(QPushButton *button)
{
    auto *controller = DefaultButtonController::of(button);
    Q_ASSERT_X(controller, "SetDefault", "the button's window has no default-button controller");
    if (controller)
        controller->setDefaultButton(button);
}

void SetTab(TabStrip *strip, int index)
{
    strip->setTab(index);
}

void End(int exitCode)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    QCoreApplication::exit(exitCode);
}

} // namespace orvanta::platform
