#include "labs/formats/labformats.h"
#include "labs/planimetry/format/labformat.h"
#include "labs/coordplane/format/labformat.h"
#include "labs/trigonometry/format/labformat.h"
#include "labs/coordline/format/labformat.h"
#include "labs/probability/format/labformat.h"

namespace labformats {

void RegisterLabFormats()
{
    planimetrylab::RegisterLab4Format();
    coordplanelab::RegisterLab6Format();
    trigonometrylab::RegisterLab5Format();
    coordlinelab::RegisterLab2Format();
    probabilitylab::RegisterLab16Format();
}

} // namespace labformats
