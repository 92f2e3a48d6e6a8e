#pragma once

#include <vector>

#include <QWidget>

#include "background.h"
#include "design.h"

namespace orvanta::platform {

// A window's client area, beneath its controls: the window colour, the
// design's background picture at its natural size from the top-left corner,
// cut off where the window ends (the parts forms::BackgroundAhead decoded),
// and the designed lines, which invert what lies beneath them.
class ClientArea final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ClientArea)

public:
    ClientArea(QWidget *parent, const forms::WindowDesign &design);

    void addLine(const forms::LineDesign &line);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const forms::WindowDesign &m_design;
    std::vector<forms::DecodedPart> m_picture;
    bool m_pictureTaken = false;
    std::vector<forms::LineDesign> m_lines;
};

} // namespace orvanta::platform
