// The painter's set-up, XML escaping and failure messages shared by the writers.
#include "export/ExportSupport.h"

#include "settings/DialogService.h"

#include <QDir>
#include <QPainter>

void prepareExportPainter(QPainter &painter)
{
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.resetTransform();
}

QByteArray xmlEscaped(const QString &text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x20 && code != '\t' && code != '\n' && code != '\r')
            continue;
        // Nor are these two; a lone surrogate becomes U+FFFD in UTF-8, which is.
        if (code == 0xFFFE || code == 0xFFFF)
            continue;
        kept += c;
    }
    return kept.toHtmlEscaped().toUtf8();
}

void reportExportFailure(const QString &title, const QString &what, const QString &fileName,
                         const QString &reason)
{
    QString text = what + QLatin1Char('\n') + QDir::toNativeSeparators(fileName);
    if (!reason.isEmpty())
        text += QLatin1Char('\n') + reason;
    dialogs().warning(nullptr, title, text);
}
