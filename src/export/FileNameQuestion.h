// The question for the name of a file to write, shared by the save and export commands.
#pragma once

#include <QString>

class QWidget;

/// The document file's folder and base name, without its suffix, in native separators: the
/// name proposed for what is made of it.
QString proposedFileName(const QString &documentPath);

/// Asks through the dialog seam for a file to write, offering the filters (separated by
/// ";;", the first one preset). A name typed without a suffix takes the suffix of the filter
/// chosen, after asking before it replaces a file of that name. The answer in native
/// separators; empty when either question is cancelled. Call on the user-interface thread.
QString askFileNameToWrite(QWidget *parent, const QString &caption, const QString &proposed,
                           const QString &filters);
