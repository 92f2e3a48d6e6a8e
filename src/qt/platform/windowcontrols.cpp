#include "windowcontrols.h"

#include <limits>
#include <utility>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "fonts.h"
#include "resources.h"
#include "twips.h"
#include "utf8.h"

namespace orvanta::platform {
namespace {

using forms::ControlKind;

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

QWidget *makeWidget(const forms::ControlDesign &design, QWidget *parent)
{
    switch (design.kind) {
    case ControlKind::TextBox: {
        auto *box = new QLineEdit(parent);
        // No length limit.
        box->setMaxLength(std::numeric_limits<int>::max());
        return box;
    }
    case ControlKind::CommandButton: {
        auto *button = new QPushButton(FromUtf8(design.caption), parent);
        // Enter goes to the window's designated default button only.
        button->setAutoDefault(false);
        return button;
    }
    case ControlKind::Label: {
        auto *label = new QLabel(FromUtf8(design.caption), parent);
        const Qt::Alignment across = design.align == forms::TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
        label->setAlignment(across | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        return label;
    }
    case ControlKind::Picture: {
        // Natural size from the top-left corner; a transparent colour lets the
        // window background through.
        auto *picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture->setPixmap(QPixmap(ResourcePath(design.picture)));
        return picture;
    }
    }
    return new QWidget(parent);
}

} // namespace

WindowControls::WindowControls(QWidget *window)
    : m_window(window)
{
}

QWidget *WindowControls::create(const forms::ControlDesign &design, QWidget *parent)
{
    QWidget *control = makeWidget(design, parent);
    control->setObjectName(FromUtf8(design.name));
    control->setGeometry(TwipsRect(design.rect));
    if (!design.font.isDefault())
        control->setFont(DesignFont(design.font));
    if (!design.accessibleName.empty())
        control->setAccessibleName(FromUtf8(design.accessibleName));
    if (!design.accessibleDescription.empty())
        control->setAccessibleDescription(FromUtf8(design.accessibleDescription));
    return control;
}

forms::TextBox *WindowControls::createTextBox(const forms::ControlDesign &design, QWidget *parent)
{
    return static_cast<QLineEdit *>(create(design, parent));
}

forms::CommandButton *WindowControls::createCommandButton(const forms::ControlDesign &design, QWidget *parent)
{
    return static_cast<QPushButton *>(create(design, parent));
}

forms::Label *WindowControls::createLabel(const forms::ControlDesign &design, QWidget *parent)
{
    return static_cast<QLabel *>(create(design, parent));
}

QWidget *WindowControls::find(std::string_view name) const
{
    return m_window->findChild<QWidget *>(FromUtf8(name));
}

void WindowControls::onClick(forms::CommandButton *button, std::function<void()> handler)
{
    QObject::connect(button, &QPushButton::clicked, button, std::move(handler));
}

void WindowControls::onGotFocus(forms::TextBox *box, std::function<void()> handler)
{
    new GotFocusHook(box, std::move(handler));
}

} // namespace orvanta::platform
