#pragma once

// Main is the program's working window. Its frame holds a menu bar, the EXIT
// button and two levels of tab strips (platform::TabStrip): the outer strip
// SSTab1 has a page for areas and one for volumes, each holding an inner
// strip (SSTab2, SSTab3) whose pages are the four ConverterPages. A page is
// built from its PageDesign; each of its ten ConverterRows converts through
// the Qt-free core in src/convert. Names, captions and geometry come from
// the shared design (src/ui/maindesign.h), the handlers from src/ui. Enter
// converts the row being edited through the window's
// platform::DefaultButtonController.

#include <QList>
#include <QMainWindow>

class QAction;
class QPushButton;

namespace orvanta {

class ConverterPage;
namespace platform {
class TabStrip;
}

class Main final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Main)

public:
    explicit Main(QWidget *parent = nullptr);

    // The four converter pages: Meter², Feet², Meter³, Feet³ to the other unit.
    const QList<ConverterPage *> &pages() const { return m_pages; }

    // Centres the window on its screen.
    void centre();

Q_SIGNALS:
    // Help > About was chosen.
    void aboutRequested();
    // The user closed the window by its close box.
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createMenus();
    void createTabStrips(QWidget *client);
    void setTabOrder();

    platform::TabStrip *m_sstab1 = nullptr;
    platform::TabStrip *m_sstab2 = nullptr;
    platform::TabStrip *m_sstab3 = nullptr;
    QPushButton *m_command11 = nullptr;
    QList<ConverterPage *> m_pages;
};

} // namespace orvanta
