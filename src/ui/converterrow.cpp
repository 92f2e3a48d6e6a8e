#include "converterrow.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include "conversion.h"
#include "formsruntime.h"
#include "messagebox.h"
#include "quantity.h"

namespace orvanta {
namespace {

QByteArray decimalSeparator()
{
    return QLocale().decimalPoint().toUtf8();
}

void warn(const ConverterRow &row, const QString &prompt, const QString &title)
{
    platform::MsgBox(row.input->window(), prompt, platform::Exclamation, title);
}

} // namespace

void ConvertRow(const ConverterRow &row)
{
    using namespace platform;

    const QByteArray text = Text(row.input).toUtf8();
    if (!IsValidQuantity(std::string_view(text.constData(), size_t(text.size())))) {
        // The rejected text and the previous result stay visible while the
        // warning is open; the tooltip keeps the last good result.
        warn(row, QStringLiteral("The Number is invalid or less than Zero"), QStringLiteral("Invalid Number"));
        SetText(row.input, QString());
        SetCaption(row.result, QString());
        SetFocus(row.input);
        return;
    }

    // Read again: the result is always formed from what the box holds now.
    const QByteArray again = Text(row.input).toUtf8();
    const QByteArray separator = decimalSeparator();
    const std::optional<std::string> result =
        ResultText(*row.conversion, std::string_view(again.constData(), size_t(again.size())),
                   std::string_view(separator.constData(), size_t(separator.size())));
    if (!result) {
        // Too large to convert: keep what the user typed so it can be
        // corrected, and show no stale result beside it.
        warn(row, QStringLiteral("The Number is too large to convert"), QStringLiteral("Overflow"));
        SetCaption(row.result, QString());
        SetFocus(row.input);
        return;
    }

    SetCaption(row.result, QString::fromUtf8(result->data(), qsizetype(result->size())));
    SetToolTipText(row.result, Caption(row.result));
    SetFocus(row.input);
}

void InputGotFocus(const ConverterRow &row)
{
    platform::SetDefault(row.button);
}

} // namespace orvanta
