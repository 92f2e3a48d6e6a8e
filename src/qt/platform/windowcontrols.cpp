#include "windowcontrols.h"

#include <limits>
#include <utility>

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabBar>

#include "fonts.h"
#include "resources.h"
#include "tabstrip.h"
#include "twips.h"
#include "utf8.h"

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

WindowControls::WindowControls(QWidget *window, const forms::WindowDesign &design)
    : m_window(window)
    , m_defaultButton(design.defaultButton)
{
}

void WindowControls::apply(const forms::ControlDesign &design, QWidget *widget)
{
    widget->setObjectName(FromUtf8(design.name));
    widget->setGeometry(TwipsRect(design.rect));
    if (!design.font.isDefault())
        widget->setFont(DesignFont(design.font));
    if (!design.accessibleName.empty())
        widget->setAccessibleName(FromUtf8(design.accessibleName));
    if (!design.accessibleDescription.empty())
        widget->setAccessibleDescription(FromUtf8(design.accessibleDescription));
}

forms::TextBox *WindowControls::createTextBox(const forms::ControlDesign &design, forms::Container *parent)
{
    auto *box = new QLineEdit(parent);
    // No length limit.
    box->setMaxLength(std::numeric_limits<int>::max());
    apply(design, box);
    return box;
}

forms::CommandButton *WindowControls::createCommandButton(const forms::ControlDesign &design, forms::Container *parent)
{
    auto *button = new QPushButton(FromUtf8(design.caption), parent);
    // Enter goes to the window's designated default button only; outside a
    // dialog a button takes Return itself only when auto-default.
    button->setAutoDefault(design.name == m_defaultButton);
    apply(design, button);
    return button;
}

forms::Label *WindowControls::createLabel(const forms::ControlDesign &design, forms::Container *parent)
{
    auto *label = new QLabel(FromUtf8(design.caption), parent);
    const Qt::Alignment across = design.align == forms::TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
    label->setAlignment(across | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    apply(design, label);
    return label;
}

QLabel *WindowControls::createPicture(const forms::ControlDesign &design, forms::Container *parent)
{
    // Natural size from the top-left corner; a transparent colour lets the
    // window background through.
    auto *picture = new QLabel(parent);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap(ResourcePath(design.picture)));
    apply(design, picture);
    return picture;
}

forms::TabStrip *WindowControls::createTabStrip(const forms::StripDesign &design, forms::Container *parent)
{
    auto *strip = new TabStrip(parent, design.rect, design.tabHeight,
                               std::vector<std::string_view>(design.captions.begin(), design.captions.end()));
    strip->setObjectName(FromUtf8(design.name));
    strip->setTab(design.designedTab);
    return strip;
}

QWidget *WindowControls::find(std::string_view name) const
{
    if (name.empty())
        return nullptr;
    auto *control = m_window->findChild<QWidget *>(FromUtf8(name));
    if (auto *strip = qobject_cast<TabStrip *>(control))
        return strip->control();
    return control;
}

void WindowControls::onClick(forms::CommandButton *button, std::function<void()> handler)
{
    QObject::connect(button, &QPushButton::clicked, button, std::move(handler));
}

void WindowControls::onGotFocus(forms::TextBox *box, std::function<void()> handler)
{
    new GotFocusHook(box, std::move(handler));
}

void WindowControls::setTabOrder(const std::vector<std::string> &order)
{
    QWidget *previous = nullptr;
    for (const std::string &name : order) {
        QWidget *control = find(name);
        if (!control)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace orvanta::platform
