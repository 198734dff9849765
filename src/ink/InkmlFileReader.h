// Opens one saved document into a new document and new definitions.
#pragma once

#include "ink/Document.h"
#include "ink/DocumentSerializer.h"
#include "ink/InkMLDefinitions.h"
#include "ink/SharedHandle.h"

#include <string>

namespace Nivo {

class InkmlFileReader
{
public:
    explicit InkmlFileReader(const std::wstring &path);

    /// Reads the file; returns whether the document is complete. Runs on one thread;
    /// stop() may be called from any thread meanwhile.
    bool load();
    void stop() { m_serializer.cancel(); }

    const SharedHandle<Document> &document() const { return m_document; }
    const SharedHandle<InkMLDefinitions> &definitions() const { return m_definitions; }
    /// Why the file was not loaded.
    const std::string &errorText() const;

private:
    std::wstring m_path;
    SharedHandle<Document> m_document;
    SharedHandle<InkMLDefinitions> m_definitions;
    DocumentSerializer m_serializer;
    bool m_tooLarge = false;
};

} // namespace Nivo
