// What the writers of an export share: the painter's set-up, text for XML attributes and
// the message when a save fails.
#pragma once

#include <QByteArray>
#include <QString>

class QPainter;

/// No background, antialiased, untransformed: how every export paints a scene.
void prepareExportPainter(QPainter &painter);

/// The text escaped for an XML attribute or element in double quotes, as UTF-8; characters
/// XML cannot hold (control characters other than tab and line breaks) are left out.
QByteArray xmlEscaped(const QString &text);

/// Says through the dialog seam what failed, the file and why, each on its own line.
void reportExportFailure(const QString &title, const QString &what, const QString &fileName,
                         const QString &reason);
