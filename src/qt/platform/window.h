#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include <QMainWindow>

#include "adapter.h"
#include "design.h"
#include "windowcontrols.h"

class QCloseEvent;
class QKeyEvent;

namespace orvanta::platform {

class ClientArea;

// A top-level window made from a forms::WindowDesign on Qt Widgets: a
// QMainWindow with the design's caption and icon, a menu bar once a menu is
// added, and a client area of the designed size (the central widget) that
// paints the background picture and the designed lines. Enter presses the
// window's default button (DefaultButtonController) and Escape its designed
// cancel button. The main window has a minimize box and runs its close
// handler when closed; a dialog has a close box only, is announced as a
// dialog, and deletes itself once closed.
class Window : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Window)

public:
    explicit Window(const forms::WindowDesign &design);
    ~Window() override;

    forms::Container *client() const;
    WindowControls &controls() { return m_controls; }

    void addMenu(const forms::MenuDesign &design, std::function<void()> chosen);
    void drawLine(const forms::LineDesign &line);
    void onClose(std::function<void()> closed) { m_closed = std::move(closed); }

    // Places the window, frame included, in the middle of its screen's
    // available area. Before the window is mapped its frame is not known.
    void centre();
    void bringToFront(std::string_view focus);

    std::weak_ptr<Window *> tracker() const { return m_tracker; }
    forms::WindowRole role() const { return m_design.role; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const forms::WindowDesign &m_design;
    WindowControls m_controls;
    ClientArea *m_client;
    std::function<void()> m_closed;
    std::shared_ptr<Window *> m_tracker;
};

static_assert(forms::WindowLike<Window, WindowControls>);

} // namespace orvanta::platform
