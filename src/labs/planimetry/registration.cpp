#include "labs/planimetry/registration.h"
#include "labframe/labregistry.h"
#include "labs/planimetry/labwindow.h"

namespace planimetrylab {

void RegisterLab4()
{
    labframe::RegisterLab(TfmLab4::kNumber, [] { return new TfmLab4(); });
}

} // namespace planimetrylab
