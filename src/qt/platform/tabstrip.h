#pragma once

#include <QList>
#include <QWidget>

class QTabBar;

namespace orvanta::platform {

// A tab strip in the classic style: one row of tabs along the top edge, each
// tab as wide as the strip divided by the number of tabs, and pages that
// cover the whole strip, so controls on a page are placed relative to the
// strip's own top-left corner, tabs included. Only the current page is shown;
// the others are hidden and disabled, keeping everything they hold.
class TabStrip final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TabStrip)

public:
    explicit TabStrip(QWidget *parent = nullptr);

    // Adds page, which the strip takes over and sizes to cover the whole
    // strip; its controls are placed relative to the strip's corner.
    void addPage(QWidget *page, const QString &caption);
    QWidget *page(int index) const;
    int count() const;

    // The current page, counting from 0. Writing it switches pages as a click
    // on the tab would.
    int tab() const;
    void setTab(int index);

    void setTabHeight(int pixels);
    int tabHeight() const;

    // The control that takes the keyboard focus for the strip.
    QTabBar *tabBar() const;

Q_SIGNALS:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void showCurrentPage();

    QTabBar *m_bar;
    QList<QWidget *> m_pages;
    int m_tabHeight = 0;
};

} // namespace orvanta::platform
