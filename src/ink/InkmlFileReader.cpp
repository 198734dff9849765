// The saved-document reader used by the background loader.
#include "ink/InkmlFileReader.h"

#include <new>

namespace Nivo {

InkmlFileReader::InkmlFileReader(const std::wstring &path)
    : m_path(path)
    , m_document(new Document)
    , m_definitions(new InkMLDefinitions)
    , m_serializer(m_document.get())
{ }

bool InkmlFileReader::load()
{
    try {
        m_serializer.loadFile(m_path, *m_definitions);
    } catch (const std::bad_alloc &) {
        // A document too large for the memory there is: give it up, not the program.
        m_document->elements().clear();
        m_document->complete().set(false);
        m_tooLarge = true;
    }
    return m_document->complete().value();
}

const std::string &InkmlFileReader::errorText() const
{
    static const std::string kTooLarge = "too large to open (not enough memory)";
    return m_tooLarge ? kTooLarge : m_serializer.errorText();
}

} // namespace Nivo
