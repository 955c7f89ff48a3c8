#include "labs/formats/labformats.h"
#include "labs/probability/format/labformat.h"

namespace labformats {

void RegisterLabFormats()
{
    probabilitylab::RegisterLab16Format();
}

} // namespace labformats
