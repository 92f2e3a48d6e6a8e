#include "aboutbox.h"

#include <QAccessibleWidget>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

#include "aboutdesign.h"
#include "aboutinstance.h"
#include "centre.h"
#include "fonts.h"
#include "resources.h"
#include "twips.h"
#include "utf8.h"
#include "windowcontrols.h"

namespace orvanta {
namespace {

using platform::FromUtf8;

// Screen readers see a plain top-level widget as a bare panel and never
// announce it; the About box is a dialog of its own, named by its caption.
QAccessibleInterface *accessibleAboutBox(const QString &className, QObject *object)
{
    if (className == QLatin1String(AboutBox::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Dialog);
    return nullptr;
}

} // namespace

AboutBox::AboutBox()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint)
{
    static const bool accessible = (QAccessible::installFactory(accessibleAboutBox), true);
    Q_UNUSED(accessible);
    setObjectName(FromUtf8(AboutWindowDesign.name));
    setWindowTitle(FromUtf8(AboutWindowDesign.caption));
    setWindowIcon(QIcon(platform::ResourcePath(AboutWindowDesign.icon)));
    setAttribute(Qt::WA_DeleteOnClose);
    // paintEvent fills the whole client area before drawing the line.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(platform::DesignFont(AboutWindowDesign.font));
    setFixedSize(platform::TwipsSize(AboutWindowDesign.clientWidth, AboutWindowDesign.clientHeight));

    platform::WindowControls controls(this);
    for (const forms::ControlDesign &design : AboutControls()) {
        if (design.name == AboutOkName)
            controls.onClick(controls.createCommandButton(design, this), [this] { Command1_Click(this); });
        else
            controls.create(design, this);
    }
    m_default = qobject_cast<QPushButton *>(controls.find(AboutWindowDesign.defaultButton));
    m_cancel = qobject_cast<QPushButton *>(controls.find(AboutWindowDesign.cancelButton));
    // Outside a dialog a push button takes Return only when auto-default.
    m_default->setAutoDefault(true);
    m_default->setFocus(Qt::OtherFocusReason);
}

void AboutBox::centre()
{
    platform::CentreOnScreen(this);
}

void AboutBox::bringToFront()
{
    raise();
    activateWindow();
    m_default->setFocus(Qt::OtherFocusReason);
}

void AboutBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());

    // Line1 inverts what lies beneath: each pixel becomes NOT(pen XOR
    // destination). Antialiasing would blend the edges and invert extra rows.
    const LineDesign &line = AboutLineDesign;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(QPen(QColor(line.red, line.green, line.blue), line.widthPixels, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(platform::Twips(line.x1), platform::Twips(line.y1), platform::Twips(line.x2),
                     platform::Twips(line.y2));
}

void AboutBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_cancel->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

namespace forms {

void Show(AboutForm *form)
{
    if (form->isVisible()) {
        form->bringToFront();
        return;
    }
    form->show();
    // The frame is known once the window is shown; centre it with its frame.
    form->centre();
    // Without a window manager nothing activates a new window by itself.
    form->activateWindow();
}

void Unload(AboutForm *form)
{
    // The box deletes itself once the event that closed it is over.
    form->close();
}

} // namespace forms
} // namespace orvanta
