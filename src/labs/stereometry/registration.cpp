#include "labs/stereometry/registration.h"
#include "labframe/labregistry.h"
#include "labs/stereometry/labwindow.h"

namespace stereometrylab {

void RegisterLab13()
{
    labframe::RegisterLab(TfmLab13::kNumber, [] { return new TfmLab13(); });
}

} // namespace stereometrylab
