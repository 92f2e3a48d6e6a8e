#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace orvanta::platform {

class TabStrip;

// The few operations the program's logic performs on its controls. Handlers
// go through these rather than through Qt directly, so the behaviour they
// rely on is written down in one place.

// Text box.
QString Text(const QLineEdit *box);
void SetText(QLineEdit *box, const QString &text);
// Moves the keyboard focus to the box; its focus hook runs if it did not
// have the focus already.
void SetFocus(QLineEdit *box);

// Label.
QString Caption(const QLabel *label);
void SetCaption(QLabel *label, const QString &caption);
void SetToolTipText(QLabel *label, const QString &tip);

// Makes button the only default button of its window.
void SetDefault(QPushButton *button);

// Selects a page of a tab strip, counting from 0.
void SetTab(TabStrip *strip, int index);

// Ends the program at once: every window closes, nothing is asked.
void End(int exitCode = 0);

} // namespace orvanta::platform
