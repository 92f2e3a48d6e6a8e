#pragma once

#include <future>
#include <vector>

#include <QWidget>

#include "design.h"
#include "picture.h"

namespace orvanta::platform {

// A window's client area, beneath its controls: the window colour, the
// design's background picture at its natural size from the top-left corner,
// cut off where the window ends, and the designed lines, which invert what
// lies beneath them. Only the parts of the picture the window can show are
// decoded, on another thread while the window is being built.
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
    std::future<std::vector<PicturePart>> m_decoding;
    std::vector<PicturePart> m_picture;
    std::vector<forms::LineDesign> m_lines;
};

} // namespace orvanta::platform
