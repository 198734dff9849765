// One loaded sketch file: its ink document, definitions and graphic model.
#pragma once

#include "document/PenDescription.h"
#include "ink/Document.h"
#include "ink/InkMLDefinitions.h"
#include "ink/SharedHandle.h"

#include <QImage>
#include <QMutex>
#include <QPointF>
#include <QString>

#include <memory>

class DocumentGraphicModel;
namespace Nivo {
class InkmlFileReader;
class QpeParser;
} // namespace Nivo

class DocumentMetaData;
using MetadataPtr = Nivo::SharedHandle<DocumentMetaData>;

class DocumentMetaData
{
public:
    /// Takes the default pen from the settings store now.
    explicit DocumentMetaData(const QString &path);
    virtual ~DocumentMetaData();
    DocumentMetaData(const DocumentMetaData &) = delete;
    DocumentMetaData &operator=(const DocumentMetaData &) = delete;

    /// Whether a load builds the graphic model too, or leaves it to ensureModel() on the
    /// thread that shows the sketch (a thread that must not make scenes reads only the ink).
    enum class Model { Build, Later };

    /// Reads the file by its suffix in any case ("qpe", "eli" pen files; "vmr", "inkml"
    /// saved documents) and builds a plain-rendering model, unless told later. Pen documents
    /// are first normalised for the receiver position. False when the file was not read
    /// completely, or when stop() cut the load short; errorText() then says why. Running out
    /// of memory on a huge file is such a failure ("too large to open"), not an abort.
    bool load(Model model = Model::Build);
    /// Builds the plain-rendering model of a loaded document if it has none yet; false when
    /// there is no complete document to build it from.
    bool ensureModel();
    /// Whether a complete document was read (with or without its model).
    bool isLoaded() const { return m_document && m_document->complete().value(); }
    /// Why the last load failed (the reader's reason), empty after a successful one.
    QString errorText() const { return m_errorText; }
    /// Records why a file was not loaded, for a placeholder that stands for it.
    void setErrorText(const QString &text) { m_errorText = text; }
    /// Stops a running load; may be called from any thread, also as the load ends.
    void stop();

    /// A deep copy with a pressure-rendering model on the page, shifted up by half a page
    /// and taking over this model's rotation and offset.
    MetadataPtr createPressureCopy() const;
    /// The same copy, made by moving this document's ink into it rather than copying it, for
    /// callers that draw only the copy: this document is left without ink or model.
    MetadataPtr takePressureCopy();
    /// A new document of this document's layers followed by the other's, for this path;
    /// nothing when either document is incomplete.
    MetadataPtr merge(const DocumentMetaData &other) const;
    /// Moves the ink back by the page shift of a pressure copy.
    void undoPageShift();
    /// A copy of the ink as the model shows it, turned and moved like the view, in the
    /// coordinates of the receiver (the page shift undone): what a save writes.
    std::unique_ptr<Nivo::Document> createDocumentAsSeen() const;

    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    const Nivo::SharedHandle<Nivo::Document> &document() const { return m_document; }
    const Nivo::SharedHandle<Nivo::InkMLDefinitions> &definitions() const { return m_definitions; }
    const Nivo::SharedHandle<DocumentGraphicModel> &model() const { return m_model; }
    const PenDescription &pen() const { return m_pen; }
    bool pressureRendering() const { return m_pressureRendering != 0; }
    /// A thumbnail rendered where the file was loaded (the loader thread), or null.
    const QImage &thumbnail() const { return m_thumbnail; }
    void setThumbnail(const QImage &thumbnail) { m_thumbnail = thumbnail; }
    QPointF pageShift() const { return m_pageShift; }

private:
    bool loadByType();
    bool loadPenFile();
    bool loadSavedDocument();
    bool isStopped();
    void buildModel();
    MetadataPtr pressureCopyOf(Nivo::SharedHandle<Nivo::Document> document,
                               Nivo::SharedHandle<Nivo::InkMLDefinitions> definitions) const;

    Nivo::SharedHandle<Nivo::Document> m_document;
    Nivo::SharedHandle<Nivo::InkMLDefinitions> m_definitions;
    Nivo::SharedHandle<DocumentGraphicModel> m_model;
    QString m_path;
    QString m_errorText;
    PenDescription m_pen;
    int m_pressureRendering = 0;
    QPointF m_pageShift;
    QImage m_thumbnail;
    // Guards the readers and the stop flag: stop() comes from another thread.
    QMutex m_readerLock;
    Nivo::QpeParser *m_penReader = nullptr;
    Nivo::InkmlFileReader *m_documentReader = nullptr;
    bool m_stopped = false;
    Model m_modelBuilding = Model::Build;
};
