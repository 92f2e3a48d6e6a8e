#include "aboutbox.h"

#include <QAccessibleWidget>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "aboutdesign.h"
#include "aboutinstance.h"
#include "centre.h"
#include "designedcontrol.h"
#include "fonts.h"
#include "twips.h"
#include "utf8.h"

namespace orvanta {
namespace {

using platform::FromUtf8;
using platform::TwipsRect;

// Screen readers see a plain top-level widget as a bare panel and never
// announce it; the About box is a dialog of its own, named by its caption.
QAccessibleInterface *accessibleAboutBox(const QString &className, QObject *object)
{
    if (className == QLatin1String(AboutBox::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Dialog);
    return nullptr;
}

QString resource(std::string_view file)
{
    return QStringLiteral(":/images/") + FromUtf8(file);
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
    setWindowIcon(QIcon(resource(AboutIconFile)));
    setAttribute(Qt::WA_DeleteOnClose);
    // paintEvent fills the whole client area before drawing the line.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(platform::DesignFont(AboutWindowDesign.font));
    setFixedSize(platform::TwipsSize(AboutWindowDesign.clientWidth, AboutWindowDesign.clientHeight));

    for (const forms::ControlDesign &design : AboutControls()) {
        switch (design.kind) {
        case forms::ControlKind::Picture: {
            // Natural size from the top-left corner; the GIF's transparent
            // colour lets the window background through.
            auto *image = new QLabel(this);
            image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            image->setPixmap(QPixmap(resource(design.caption)));
            platform::PlaceControl(image, design);
            break;
        }
        case forms::ControlKind::CommandButton:
            m_command1 = new QPushButton(FromUtf8(design.caption), this);
            // Outside a dialog a push button takes Return only when auto-default.
            m_command1->setAutoDefault(true);
            connect(m_command1, &QPushButton::clicked, this, [this] { Command1_Click(this); });
            platform::PlaceControl(m_command1, design);
            break;
        case forms::ControlKind::Label:
        case forms::ControlKind::TextBox: // the About box has none
            platform::MakeLabel(design, this);
            break;
        }
    }
    m_command1->setFocus(Qt::OtherFocusReason);
}

void AboutBox::centre()
{
    platform::CentreOnScreen(this);
}

void AboutBox::bringToFront()
{
    raise();
    activateWindow();
    m_command1->setFocus(Qt::OtherFocusReason);
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
    // Escape answers the box like OK.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        m_command1->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

namespace forms {

AboutForm *LoadAboutForm()
{
    auto *form = new AboutBox;
    form->centre();
    return form;
}

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
