// File work behind the thumbnail list's commands: delete, copy, rename and the merge name.
#pragma once

#include "document/DocumentMetaData.h"

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

/// Every question and report goes through the dialog seam, titled with the product name.
namespace SketchFileOperations {

/// Asks, then deletes; false when the user declined or the file could not be removed (which
/// is reported).
bool deleteFile(QWidget *parent, const QString &path);

/// Copies the files into the folder, asking before it overwrites; a file already in that
/// folder is skipped. Failures are reported together with the names involved. Returns the
/// paths written.
QStringList copyFiles(QWidget *parent, const QStringList &paths, const QString &folder);

/// Why baseName (with suffix) cannot name a sketch in its folder, or an empty text: only
/// blanks, "." or "..", a path separator, more than 255 bytes.
QString nameProblem(const QString &baseName, const QString &suffix);

/// Renames to newBaseName plus the old complete suffix, in the same folder. An empty name
/// cancels (returns an empty text); a name that nameProblem refuses, a name that is taken,
/// or a rename that fails, is reported and returns an empty text, the file keeping its
/// name. Otherwise the new path.
QString renameFile(QWidget *parent, const QString &path, const QString &newBaseName);

/// The document a merge of dragged onto target is saved as: dragged's folder, both base
/// names joined by "_", suffix ".vmr".
QString mergedPath(const QString &dragged, const QString &target);

/// Asks whether to merge dragged onto target (and, when mergedPath exists, whether to replace
/// it), then merges the two sketches into a document that carries mergedPath, not yet saved.
/// draggedSketch is read only once the user has agreed. Null when the user declined or the
/// merge failed (which is reported).
MetadataPtr mergeFiles(QWidget *parent, const QString &dragged, const QString &target,
                       const std::function<MetadataPtr()> &draggedSketch,
                       const MetadataPtr &targetSketch);

} // namespace SketchFileOperations
