#pragma once

#include <QWidget>

class QKeyEvent;
class QPaintEvent;
class QPushButton;

namespace orvanta {

// frmAbout, the About box: the program's picture, who made it, and OK. It is
// a window of its own with no owner and never modal, so the main window stays
// usable beside it and either can be in front. Closing it, by OK, Escape or
// the close box, unloads it: the widget deletes itself.
class AboutBox final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutBox)

public:
    AboutBox();

    // Places the window in the middle of its screen.
    void centre();
    // Brings the open box to the front with the focus on OK.
    void bringToFront();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The buttons Enter and Escape press: OK.
    QPushButton *m_default = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace orvanta
