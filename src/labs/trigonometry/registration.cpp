#include "labs/trigonometry/registration.h"
#include "labframe/labregistry.h"
#include "labs/trigonometry/labwindow.h"

namespace trigonometrylab {

void RegisterLab5()
{
    labframe::RegisterLab(TfmLab5::kNumber, [] { return new TfmLab5(); });
}

} // namespace trigonometrylab
