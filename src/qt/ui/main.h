#pragma once

// Main, the program's working window, on Qt Widgets: a QMainWindow whose
// menu bar, tab strips (platform::TabStrip, built by walking the design's
// strip tree MainStrips), converter pages (the shared ConverterPage) and EXIT
// button are made from the shared design (src/ui/maindesign.h) by
// platform::WindowControls. Enter converts the row being edited through the
// window's platform::DefaultButtonController; menu commands and the close
// box go to the program (MainEvents).

#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include <QMainWindow>

#include "converterpage.h"
#include "maindesign.h"
#include "mainevents.h"
#include "tabstrip.h"
#include "windowcontrols.h"

namespace orvanta {

class Main final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Main)

public:
    explicit Main(MainEvents &events);
    ~Main() override;

    // Starts decoding the background picture on another thread; call it
    // first thing, and the picture is ready when the window is first painted.
    static void StartDecodingBackground();

    // The four converter pages: Meter², Feet², Meter³, Feet³ to the other unit.
    const std::vector<std::unique_ptr<ConverterPage>> &pages() const { return m_pages; }

    // Centres the window on its screen.
    void centre();
    // Shows the window centred and in front, with the keyboard focus on SSTab1.
    void show();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void createTabStrips(QWidget *client);
    void createPages();
    void setTabOrder();
    platform::TabStrip *strip(std::string_view name) const;
    platform::TabStrip *strip(const StripDesign &design) const;

    MainEvents &m_events;
    platform::WindowControls m_controls;
    // In the order of MainStrips.
    std::array<platform::TabStrip *, MainStrips.size()> m_strips{};
    std::vector<std::unique_ptr<ConverterPage>> m_pages;
};

} // namespace orvanta
