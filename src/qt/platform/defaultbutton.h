#pragma once

#include <QObject>
#include <QPointer>

class QPushButton;
class QWidget;

namespace orvanta::platform {

// Qt only offers a default button inside dialogs. This gives a main window
// the same mechanics:
//  - at most one default button per window, designated by code and kept when
//    the focus moves elsewhere;
//  - Return or Enter in a control that does not take it itself (a single-line
//    text box, a tab bar) clicks the default button;
//  - a push button that holds the focus takes Return and Enter itself.
// The default button is drawn as default. Return is left alone when the
// default button is hidden or disabled, so Enter never converts a row the
// user cannot see.
class DefaultButtonController final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DefaultButtonController)

public:
    explicit DefaultButtonController(QWidget *window);

    // The controller of the window that holds widget, or nullptr.
    static DefaultButtonController *of(const QWidget *widget);

    void setDefaultButton(QPushButton *button);
    QPushButton *defaultButton() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QPointer<QPushButton> m_default;
};

} // namespace orvanta::platform
