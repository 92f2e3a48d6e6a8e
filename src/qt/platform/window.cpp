#include "window.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include "centring.h"
#include "clientarea.h"
#include "defaultbutton.h"
#include "fonts.h"
#include "resources.h"
#include "twips.h"
#include "utf8.h"

namespace orvanta::platform {
namespace {

Qt::WindowFlags flagsOf(forms::WindowRole role)
{
    // Fixed size, so no maximize box.
    const Qt::WindowFlags frame = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                  | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    return role == forms::WindowRole::Main ? frame | Qt::WindowMinimizeButtonHint : frame;
}

// Screen readers see a plain top-level window as a bare panel and never
// announce it; a dialog is announced as one, named by its caption.
QAccessibleInterface *accessibleDialog(const QString &className, QObject *object)
{
    if (className != QLatin1String(Window::staticMetaObject.className()) || !object->isWidgetType())
        return nullptr;
    auto *window = static_cast<Window *>(object);
    return window->role() == forms::WindowRole::Dialog ? new QAccessibleWidget(window, QAccessible::Dialog) : nullptr;
}

QKeySequence shortcutOf(forms::ShortcutKey key)
{
    const int pressed = key.letter != 0 ? Qt::Key_A + (key.letter - 'A') : Qt::Key_F1 + key.function - 1;
    return QKeySequence(QKeyCombination(key.control ? Qt::ControlModifier : Qt::NoModifier, Qt::Key(pressed)));
}

} // namespace

Window::Window(const forms::WindowDesign &design)
    : QMainWindow(nullptr, flagsOf(design.role))
    , m_design(design)
    , m_controls(this, design)
    , m_client(new ClientArea(this, design))
    , m_tracker(std::make_shared<Window *>(this))
{
    static const bool accessible = (QAccessible::installFactory(accessibleDialog), true);
    Q_UNUSED(accessible);
    setObjectName(FromUtf8(design.name));
    setWindowTitle(FromUtf8(design.caption));
    setWindowIcon(QIcon(ResourcePath(design.icon)));
    if (design.role == forms::WindowRole::Dialog)
        setAttribute(Qt::WA_DeleteOnClose);
    if (!design.font.isDefault())
        setFont(DesignFont(design.font));
    new DefaultButtonController(this);
    setCentralWidget(m_client);
    // The frame follows the client area, and the menu bar once there is one.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    layout()->activate();
}

Window::~Window() = default;

forms::Container *Window::client() const
{
    return m_client;
}

void Window::addMenu(const forms::MenuDesign &design, std::function<void()> chosen)
{
    QMenu *menu = menuBar()->addMenu(FromUtf8(design.menuCaption));
    menu->setObjectName(FromUtf8(design.menuName));
    QAction *item = menu->addAction(FromUtf8(design.itemCaption));
    item->setObjectName(FromUtf8(design.itemName));
    item->setShortcut(shortcutOf(design.shortcut));
    connect(item, &QAction::triggered, this, [chosen = std::move(chosen)] { chosen(); });
}

void Window::drawLine(const forms::LineDesign &line)
{
    m_client->addLine(line);
}

void Window::centre()
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize frame = frameGeometry().size();
    const forms::ScreenPoint corner =
        forms::CentredTopLeft({frame.width(), frame.height()}, {area.left(), area.top(), area.width(), area.height()});
    move(corner.x, corner.y);
}

void Window::bringToFront(std::string_view focus)
{
    if (QWidget *control = m_controls.find(focus))
        control->setFocus(Qt::OtherFocusReason);
    if (!isVisible()) {
        show();
        // The frame is known once the window is shown; centre it with its frame.
        centre();
    }
    raise();
    // Without a window manager nothing activates a new window by itself.
    activateWindow();
}

void Window::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closed)
        m_closed();
}

void Window::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (auto *cancel = qobject_cast<QPushButton *>(m_controls.find(m_design.cancelButton))) {
            cancel->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace orvanta::platform
