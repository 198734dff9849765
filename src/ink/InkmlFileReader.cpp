// The saved-document reader used by the background loader.
#include "ink/InkmlFileReader.h"

namespace Nivo {

InkmlFileReader::InkmlFileReader(const std::wstring &path)
    : m_path(path)
    , m_document(new Document)
    , m_definitions(new InkMLDefinitions)
    , m_serializer(m_document.get())
{ }

bool InkmlFileReader::load()
{
    m_serializer.loadFile(m_path, *m_definitions);
    return m_document->complete().value();
}

} // namespace Nivo
