#include "clientarea.h"

#include <QPainter>

#include "twips.h"

namespace orvanta::platform {

ClientArea::ClientArea(QWidget *parent, const forms::WindowDesign &design)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("client"));
    setFixedSize(TwipsSize(design.clientWidth, design.clientHeight));
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (!design.background.isNone())
        m_decoding = std::async(std::launch::async, [&design] { return DecodeBackground(design); });
}

void ClientArea::addLine(const forms::LineDesign &line)
{
    m_lines.push_back(line);
    update();
}

void ClientArea::paintEvent(QPaintEvent *)
{
    if (m_decoding.valid())
        m_picture = m_decoding.get();
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (const PicturePart &part : m_picture)
        painter.drawImage(part.at, part.image);
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
