#include "clientarea.h"

#include <QImage>
#include <QPainter>

#include "resources.h"
#include "twips.h"

namespace orvanta::platform {

ClientArea::ClientArea(QWidget *parent, const forms::WindowDesign &design)
    : QWidget(parent)
    , m_design(design)
{
    setObjectName(QStringLiteral("client"));
    setFixedSize(TwipsSize(design.clientWidth, design.clientHeight));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ClientArea::addLine(const forms::LineDesign &line)
{
    m_lines.push_back(line);
    update();
}

void ClientArea::paintEvent(QPaintEvent *)
{
    if (!m_pictureTaken && !m_design.background.isNone())
        m_picture = forms::BackgroundAhead::Take(m_design, ResourceBytes(m_design.background));
    m_pictureTaken = true;
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (const forms::DecodedPart &part : m_picture) {
        const QImage image(reinterpret_cast<const uchar *>(part.pixels.data()), part.rect.width, part.rect.height,
                           QImage::Format_ARGB32_Premultiplied);
        painter.drawImage(QPoint(part.rect.left, part.rect.top), image);
    }
    // Each pixel becomes NOT(pen XOR destination). Antialiasing would blend
    // the edges and invert extra rows.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
    for (const forms::LineDesign &line : m_lines) {
        painter.setPen(QPen(QColor(line.red, line.green, line.blue), line.widthPixels, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(Twips(line.x1), Twips(line.y1), Twips(line.x2), Twips(line.y2));
    }
}

} // namespace orvanta::platform
