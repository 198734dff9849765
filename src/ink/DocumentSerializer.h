// Saves a document in the InkML-based document format and opens such files.
#pragma once

#include "ink/Document.h"
#include "ink/InkMLDefinitions.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <pugixml.hpp>
#include <string>

namespace Nivo {

class LayerSerializer;

class DocumentSerializer
{
public:
    /// The document is not owned and must outlive the serializer.
    explicit DocumentSerializer(Document *document);
    virtual ~DocumentSerializer();
    DocumentSerializer(const DocumentSerializer &) = delete;
    DocumentSerializer &operator=(const DocumentSerializer &) = delete;

    /// Writes the document and the given definitions. The file is replaced only when
    /// everything was written: on failure the previous file is intact and the result false.
    virtual bool saveFile(const std::wstring &path, const InkMLDefinitions &definitions);
    virtual bool saveFileNarrow(const std::string &path, const InkMLDefinitions &definitions);
    /// Adds the file's layers and annotations to the document and its definitions to the
    /// given object. True (and the document complete) only when the whole file was read.
    virtual bool loadFile(const std::wstring &path, InkMLDefinitions &definitions);
    /// As loadFile; refuses at once once the serializer has been cancelled.
    virtual bool loadFileNarrow(const std::string &path, InkMLDefinitions &definitions);
    virtual bool readDocument(const pugi::xml_document &xml, InkMLDefinitions &definitions);

    /// Stops a running read at its next check; may be called from any thread. A cancelled
    /// serializer stays cancelled.
    void cancel();
    /// Why the last save or load failed, for messages.
    const std::string &errorText() const { return m_errorText; }

    /// Builds the XML tree of a document as it would be saved.
    static bool buildXml(Document &document, const InkMLDefinitions &definitions,
                         pugi::xml_document &xml);
    /// Prints the same text as printing buildXml's tree, one trace at a time, so that a
    /// large document is never held as a tree; false on a write error.
    static bool printStreaming(Document &document, const InkMLDefinitions &definitions,
                               std::FILE *file);

private:
    bool isCancelled() const { return m_cancelled.load(std::memory_order_relaxed); }
    void setCurrentLayerReader(LayerSerializer *reader);

    std::atomic<bool> m_cancelled {false};
    Document *m_document;
    // Guards currentLayerReader against a cancel() racing the end of a layer read.
    std::mutex m_readerLock;
    LayerSerializer *m_currentLayerReader = nullptr;
    std::string m_errorText;
};

} // namespace Nivo
