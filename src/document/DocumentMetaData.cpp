// Loading by suffix, stopping from another thread, pressure copies and merging.
#include "document/DocumentMetaData.h"

#include "document/DocumentGraphicModel.h"
#include "document/ReceiverPosition.h"
#include "ink/InkmlFileReader.h"
#include "ink/QpeParser.h"
#include "settings/ApplSettings.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <new>

DocumentMetaData::DocumentMetaData(const QString &path)
    : m_path(path)
    , m_pen(ApplSettings::instance())
{ }

DocumentMetaData::~DocumentMetaData() = default;

bool DocumentMetaData::load(Model model)
{
    m_modelBuilding = model;
    {
        QMutexLocker locker(&m_readerLock);
        m_stopped = false;
    }
    m_errorText.clear();
    try {
        if (loadByType())
            return true;
    } catch (const std::bad_alloc &) {
        // One huge sketch must not end the program: it is simply not opened.
        m_model = Nivo::SharedHandle<DocumentGraphicModel>();
        m_document = Nivo::SharedHandle<Nivo::Document>();
        m_definitions = Nivo::SharedHandle<Nivo::InkMLDefinitions>();
        m_errorText = QStringLiteral("too large to open (not enough memory)");
    }
    if (m_errorText.isEmpty())
        m_errorText = isStopped() ? QStringLiteral("stopped") : QStringLiteral("not readable");
    return false;
}

bool DocumentMetaData::loadByType()
{
    // Suffixes in any case: "Mixed.Qpe" is as much a pen file as "mixed.qpe".
    const QString suffix = QFileInfo(m_path).suffix().toLower();
    if (suffix == QLatin1String("eli") || suffix == QLatin1String("qpe"))
        return loadPenFile();
    if (suffix == QLatin1String("inkml") || suffix == QLatin1String("vmr"))
        return loadSavedDocument();
    m_errorText = QStringLiteral("not a sketch file (.qpe, .eli, .vmr or .inkml)");
    return false;
}

void DocumentMetaData::stop()
{
    QMutexLocker locker(&m_readerLock);
    if (m_penReader) {
        m_penReader->stop();
        m_stopped = true;
    }
    if (m_documentReader) {
        m_documentReader->stop();
        m_stopped = true;
    }
}

bool DocumentMetaData::isStopped()
{
    QMutexLocker locker(&m_readerLock);
    return m_stopped;
}

bool DocumentMetaData::loadPenFile()
{
    auto reader
        = std::make_unique<Nivo::QpeParser>(QDir::toNativeSeparators(m_path).toStdWString());
    {
        QMutexLocker locker(&m_readerLock);
        m_penReader = reader.get();
    }
    const bool loaded = reader->load();
    {
        QMutexLocker locker(&m_readerLock);
        m_penReader = nullptr;
    }
    // A stopped parse still marks its partial document complete; it is not a result.
    if (!loaded || isStopped()) {
        m_errorText = QString::fromStdString(reader->errorText());
        return false;
    }
    m_document = Nivo::SharedHandle<Nivo::Document>(reader->takeDocument());
    m_definitions = Nivo::SharedHandle<Nivo::InkMLDefinitions>(new Nivo::InkMLDefinitions);
    normaliseReceiverPosition(*m_document, ApplSettings::instance());
    if (m_modelBuilding == Model::Later)
        return !isStopped() && isLoaded();
    buildModel();
    return m_model && isLoaded();
}

bool DocumentMetaData::loadSavedDocument()
{
    auto reader
        = std::make_unique<Nivo::InkmlFileReader>(QDir::toNativeSeparators(m_path).toStdWString());
    {
        QMutexLocker locker(&m_readerLock);
        m_documentReader = reader.get();
    }
    const bool loaded = reader->load();
    {
        QMutexLocker locker(&m_readerLock);
        m_documentReader = nullptr;
    }
    if (!loaded || isStopped()) {
        m_errorText = QString::fromStdString(reader->errorText());
        return false;
    }
    m_document = reader->document();
    m_definitions = reader->definitions();
    if (m_modelBuilding == Model::Later)
        return !isStopped() && isLoaded();
    buildModel();
    return m_model && isLoaded();
}

bool DocumentMetaData::ensureModel()
{
    if (!m_model && isLoaded())
        buildModel();
    return static_cast<bool>(m_model);
}

void DocumentMetaData::buildModel()
{
    if (isStopped())
        return;
    m_model = Nivo::SharedHandle<DocumentGraphicModel>(
        new DocumentGraphicModel(*m_document, m_pen, m_pressureRendering != 0));
}

MetadataPtr DocumentMetaData::createPressureCopy() const
{
    return pressureCopyOf(Nivo::SharedHandle<Nivo::Document>(
                              new Nivo::Document(m_document ? *m_document : Nivo::Document())),
                          Nivo::SharedHandle<Nivo::InkMLDefinitions>(new Nivo::InkMLDefinitions(
                              m_definitions ? *m_definitions : Nivo::InkMLDefinitions())));
}

MetadataPtr DocumentMetaData::takePressureCopy()
{
    Nivo::SharedHandle<Nivo::Document> document(
        new Nivo::Document(m_document ? std::move(*m_document) : Nivo::Document()));
    Nivo::SharedHandle<Nivo::InkMLDefinitions> definitions(
        new Nivo::InkMLDefinitions(m_definitions ? *m_definitions : Nivo::InkMLDefinitions()));
    MetadataPtr copy = pressureCopyOf(std::move(document), std::move(definitions));
    m_model = Nivo::SharedHandle<DocumentGraphicModel>();
    m_document = Nivo::SharedHandle<Nivo::Document>();
    return copy;
}

MetadataPtr
DocumentMetaData::pressureCopyOf(Nivo::SharedHandle<Nivo::Document> document,
                                 Nivo::SharedHandle<Nivo::InkMLDefinitions> definitions) const
{
    auto copy = std::make_unique<DocumentMetaData>(m_path);
    copy->m_pen = m_pen;
    copy->m_pressureRendering = 1;
    copy->m_document = std::move(document);
    copy->m_definitions = std::move(definitions);
    const QSizeF page = ApplSettings::instance().pageSize();
    const QRectF pageRect(-page.width() / 2, -page.height() / 2, page.width(), page.height());
    copy->m_pageShift = QPointF(0, -page.height() / 2);
    copy->m_document->shift(copy->m_pageShift.x(), copy->m_pageShift.y());
    auto *model = new DocumentGraphicModel(*copy->m_document, copy->m_pen, pageRect);
    copy->m_model = Nivo::SharedHandle<DocumentGraphicModel>(model);
    if (m_model) {
        model->rotate(m_model->rotation());
        model->translate(m_model->offset().x(), m_model->offset().y());
    }
    return MetadataPtr(copy.release());
}

void DocumentMetaData::undoPageShift()
{
    if (m_document)
        m_document->shift(-m_pageShift.x(), -m_pageShift.y());
}

std::unique_ptr<Nivo::Document> DocumentMetaData::createDocumentAsSeen() const
{
    auto seen = std::make_unique<Nivo::Document>(m_document ? *m_document : Nivo::Document());
    if (m_model) {
        seen->rotate(static_cast<float>(m_model->rotation() * M_PI / 180.0));
        seen->shift(m_model->offset().x(), m_model->offset().y());
    }
    seen->shift(-m_pageShift.x(), -m_pageShift.y());
    return seen;
}

MetadataPtr DocumentMetaData::merge(const DocumentMetaData &other) const
{
    if (!m_document || !other.m_document || !m_document->complete().value()
        || !other.m_document->complete().value())
        return MetadataPtr();
    auto merged = std::make_unique<DocumentMetaData>(m_path);
    merged->m_pen = m_pen;
    auto *document = new Nivo::Document;
    document->complete().set(true);
    merged->m_document = Nivo::SharedHandle<Nivo::Document>(document);
    for (const Nivo::Layer &layer : m_document->elements())
        document->add(layer);
    for (const Nivo::Layer &layer : other.m_document->elements())
        document->add(layer);
    auto *definitions
        = m_definitions ? new Nivo::InkMLDefinitions(*m_definitions) : new Nivo::InkMLDefinitions;
    if (other.m_definitions)
        definitions->append(*other.m_definitions);
    merged->m_definitions = Nivo::SharedHandle<Nivo::InkMLDefinitions>(definitions);
    merged->m_model = Nivo::SharedHandle<DocumentGraphicModel>(
        new DocumentGraphicModel(*document, merged->m_pen, false));
    return MetadataPtr(merged.release());
}
