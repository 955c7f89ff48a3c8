#include "labs/formats/labformats.h"
#include "labs/planimetry/format/labformat.h"
#include "labs/functiongraphs/format/labformat.h"
#include "labs/coordplane/format/labformat.h"
#include "labs/trigonometry/format/labformat.h"
#include "labs/equationgraphs/format/labformat.h"
#include "labs/coordline/format/labformat.h"
#include "labs/probability/format/labformat.h"
#include "labs/divisibility/format/labformat.h"
#include "labs/fractions/format/labformat.h"
#include "labs/programming/format/labformat.h"
#include "labs/dataanalysis/format/labformat.h"
#include "labs/stereometry/format/labformat.h"

namespace labformats {

void RegisterLabFormats()
{
    planimetrylab::RegisterLab4Format();
    functiongraphslab::RegisterLab3Format();
    coordplanelab::RegisterLab6Format();
    trigonometrylab::RegisterLab5Format();
    equationgraphslab::RegisterLab11Format();
    coordlinelab::RegisterLab2Format();
    probabilitylab::RegisterLab16Format();
    divisibilitylab::RegisterLab1Format();
    fractionslab::RegisterLab14Format();
    programminglab::RegisterLab19Format();
    dataanalysislab::RegisterLab17Format();
    stereometrylab::RegisterLab13Format();
}

} // namespace labformats
