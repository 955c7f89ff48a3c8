#include "labs/equationgraphs/registration.h"
#include "labframe/labregistry.h"
#include "labs/equationgraphs/labwindow.h"

namespace equationgraphslab {

void RegisterLab11()
{
    labframe::RegisterLab(TfmLab11::kNumber, [] { return new TfmLab11(); });
}

} // namespace equationgraphslab
