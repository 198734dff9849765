// Out-of-line destructor of the pen-file document.
#include "ink/QpeDocument.h"

namespace Nivo {

QpeDocument::~QpeDocument() = default;

} // namespace Nivo
