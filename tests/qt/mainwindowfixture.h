#pragma once

// Shared by the end-to-end tests: the program started as it starts (a shown,
// active main window), its controls found by their names, and a recorder for
// the message boxes it opens.

#include <memory>

#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QTest>

#include "fonts.h"
#include "main.h"
#include "messagebox.h"
#include "program.h"

namespace orvanta::test {

// A message box request, as Qt text.
struct RecordedRequest
{
    QString prompt;
    int style = 0;
    QString title;
};

struct RecordedBox
{
    RecordedRequest request;
    // What the row showed while the box was open.
    QString inputWhileOpen;
    QString captionWhileOpen;
};

class MainWindowFixture
{
public:
    MainWindowFixture()
        : program((platform::InstallFontSubstitutes(), std::make_unique<Program>()))
        , window(&program->main())
    {
        program->start();
        ready = QTest::qWaitForWindowActive(window);
    }

    ~MainWindowFixture() { forms::SetMessageBoxHook({}); }

    template<typename T>
    T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }
    QLineEdit *box(const QString &name) const { return find<QLineEdit>(name); }
    QPushButton *button(const QString &name) const { return find<QPushButton>(name); }
    QLabel *label(const QString &name) const { return find<QLabel>(name); }

    // Records every message box instead of showing it; row names the input
    // box and result label whose content is noted while the box is "open".
    void recordBoxes(const QString &input = {}, const QString &result = {})
    {
        forms::SetMessageBoxHook([this, input, result](const forms::MessageRequest &request) {
            RecordedBox box{{QString::fromStdString(request.prompt), request.style, QString::fromStdString(request.title)},
                            {},
                            {}};
            if (auto *edit = this->box(input))
                box.inputWhileOpen = edit->text();
            if (auto *caption = label(result))
                box.captionWhileOpen = caption->text();
            boxes.append(box);
        });
    }

    // Types text into a box as the user would, after clicking into it.
    void typeInto(const QString &name, const QString &text) const
    {
        QLineEdit *edit = box(name);
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    // A key routed like real input to whatever holds the focus.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }

    std::unique_ptr<Program> program;
    Main *window;
    QList<RecordedBox> boxes;
    bool ready = false;
};

} // namespace orvanta::test
