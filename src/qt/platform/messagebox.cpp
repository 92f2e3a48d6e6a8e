#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>

#include "utf8.h"

namespace orvanta::platform {
namespace {

QMessageBox::Icon iconOf(forms::MessageIcon icon)
{
    switch (icon) {
    case forms::MessageIcon::Critical:
        return QMessageBox::Critical;
    case forms::MessageIcon::Question:
        return QMessageBox::Question;
    case forms::MessageIcon::Warning:
        return QMessageBox::Warning;
    case forms::MessageIcon::Information:
        return QMessageBox::Information;
    case forms::MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void ShowMessageBox(const forms::MessageRequest &request, forms::MessageIcon icon)
{
    // Over the active window, so the focus returns there; modal to all of the
    // program's windows.
    QMessageBox box(iconOf(icon), FromUtf8(request.title), FromUtf8(request.prompt), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

} // namespace orvanta::platform
