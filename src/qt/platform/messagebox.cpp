#include "messagebox.h"

#include <utility>

#include <QMessageBox>

namespace orvanta::platform {
namespace {

MessageBoxHook &hook()
{
    static MessageBoxHook instance;
    return instance;
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0x70) {
    case Critical:
        return QMessageBox::Critical;
    case Question:
        return QMessageBox::Question;
    case Exclamation:
        return QMessageBox::Warning;
    case Information:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

void MsgBox(QWidget *parent, const QString &prompt, int style, const QString &title)
{
    if (hook()) {
        hook()({prompt, style, title});
        return;
    }
    // Only the OK-only button set is used by the program.
    QMessageBox box(iconOf(style), title, prompt, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void SetMessageBoxHook(MessageBoxHook newHook)
{
    hook() = std::move(newHook);
}

} // namespace orvanta::platform
