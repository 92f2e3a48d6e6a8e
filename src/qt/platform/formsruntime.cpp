#include "forms.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "adapter.h"
#include "defaultbutton.h"
#include "tabstrip.h"
#include "utf8.h"
#include "window.h"

namespace orvanta {
namespace forms {

std::string Text(const TextBox *box)
{
    return box->text().toStdString();
}

void SetText(TextBox *box, std::string_view text)
{
    box->setText(platform::FromUtf8(text));
}

void SetFocus(TextBox *box)
{
    // After a modal box closes, some window managers (and none at all) leave
    // no window active; focus set then would not arrive until the user clicks.
    if (!box->window()->isActiveWindow())
        box->window()->activateWindow();
    box->setFocus(Qt::OtherFocusReason);
}

std::string Caption(const Label *label)
{
    return label->text().toStdString();
}

void SetCaption(Label *label, std::string_view caption)
{
    label->setText(platform::FromUtf8(caption));
}

void SetToolTipText(Label *label, std::string_view tip)
{
    label->setToolTip(platform::FromUtf8(tip));
}

void SetDefault(CommandButton *button)
{
    auto *controller = platform::DefaultButtonController::of(button);
    Q_ASSERT_X(controller, "SetDefault", "the button's window has no default-button controller");
    if (controller)
        controller->setDefaultButton(button);
}

void SetTab(TabStrip *strip, std::int16_t index)
{
    strip->setTab(index);
}

void Unload(Form *form)
{
    // A dialog deletes itself once the event that closed it is over.
    form->close();
}

std::string DecimalSeparator()
{
    return QLocale().decimalPoint().toStdString();
}

void End(int exitStatus)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows)
        window->hide();
    QCoreApplication::exit(exitStatus);
}

static_assert(FormsOperations<TextBox, Label, CommandButton, TabStrip, Form>);

} // namespace forms
} // namespace orvanta
