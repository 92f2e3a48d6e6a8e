#include "aboutbox.h"

#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "centre.h"
#include "fonts.h"
#include "twips.h"

namespace orvanta {
namespace {

using platform::TwipsRect;

// Line1 runs down between the picture and the text, 5 px wide.
constexpr int LineX = 2640;
constexpr int LineTop = 0;
constexpr int LineBottom = 2520;
constexpr int LineWidth = 5;
const QColor LineColour(0, 128, 0);

QLabel *makeLabel(const char *name, const QString &caption, QWidget *parent, const QRect &geometry)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

AboutBox::AboutBox()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(QIcon(QStringLiteral(":/images/about.ico")));
    setAttribute(Qt::WA_DeleteOnClose);
    // paintEvent fills the whole client area before drawing the line.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(platform::DesignFont(QStringLiteral("MS Sans Serif"), 8.25));
    setFixedSize(platform::TwipsSize(5220, 2550));

    // Natural size from the top-left corner; the GIF's transparent colour
    // lets the window background through.
    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(TwipsRect(0, 0, 2550, 2550));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setPixmap(QPixmap(QStringLiteral(":/images/about.gif")));

    makeLabel("Label1", QStringLiteral("Software by, "), this, TwipsRect(2760, 120, 2295, 255));
    makeLabel("Label2", QStringLiteral("HOLBRIK"), this, TwipsRect(2760, 480, 2415, 255));
    makeLabel("Label3", QStringLiteral("www.holbrik.example"), this, TwipsRect(2760, 720, 2415, 255));

    m_command1 = new QPushButton(QStringLiteral("OK"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(TwipsRect(3480, 1920, 1095, 495));
    // Outside a dialog a push button takes Return only when auto-default.
    m_command1->setAutoDefault(true);
    connect(m_command1, &QPushButton::clicked, this, &AboutBox::Command1_Click);
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
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    painter.setPen(QPen(LineColour, LineWidth, Qt::SolidLine, Qt::FlatCap));
    const int x = platform::Twips(LineX);
    painter.drawLine(x, platform::Twips(LineTop), x, platform::Twips(LineBottom));
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

void AboutBox::Command1_Click()
{
    close();
}

} // namespace orvanta
