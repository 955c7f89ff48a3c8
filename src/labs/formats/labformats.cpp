#include "labs/formats/labformats.h"
#include "labs/planimetry/format/labformat.h"
#include "labs/coordline/format/labformat.h"
#include "labs/probability/format/labformat.h"
#include "labs/programming/format/labformat.h"

namespace labformats {

void RegisterLabFormats()
{
    planimetrylab::RegisterLab4Format();
    coordlinelab::RegisterLab2Format();
    probabilitylab::RegisterLab16Format();
    programminglab::RegisterLab19Format();
}

} // namespace labformats
