// The file question, the progress dialog with its Cancel, and the message of a failed export.
#include "editor/ReplayExportQuestion.h"

#include "document/DocumentMetaData.h"
#include "export/FileNameQuestion.h"
#include "settings/DialogService.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

namespace {

// The texts of this file, translated under one context.
struct Texts
{
    Q_DECLARE_TR_FUNCTIONS(ReplayExportQuestion)
};

// Marked here, translated where it is shown.
const char kFilters[] = QT_TRANSLATE_NOOP(
    "ReplayExportQuestion", "GIF animation (*.gif);;WebP animation (*.webp);;MP4 video (*.mp4)");

} // namespace

bool exportReplayAsked(QWidget *parent, const DocumentMetaData &sketch,
                       const ReplayExportOptions &options)
{
    const QString fileName = askFileNameToWrite(
        parent, Texts::tr("Export replay"), proposedFileName(sketch.path()), Texts::tr(kFilters));
    if (fileName.isEmpty())
        return false;
    QProgressDialog progress(
        Texts::tr("Saving the replay as %1").arg(QFileInfo(fileName).fileName()),
        Texts::tr("Cancel"), 0, 1, parent);
    progress.setWindowTitle(Texts::tr("Export replay"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    const ReplayExportResult result
        = exportReplay(sketch, fileName, options, [&progress](int done, int total) {
              progress.setMaximum(total);
              // A window-modal dialog lets the events through here, Cancel among them.
              progress.setValue(done);
              return !progress.wasCanceled();
          });
    progress.close();
    if (result.status == ReplayExportResult::Status::Failed)
        dialogs().warning(parent, applicationTitle(),
                          Texts::tr("The replay was not saved as %1.\n%2")
                              .arg(QDir::toNativeSeparators(fileName), result.reason));
    return result.isWritten();
}
