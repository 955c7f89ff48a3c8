#include "labs/coordplane/registration.h"
#include "labframe/labregistry.h"
#include "labs/coordplane/labwindow.h"

namespace coordplanelab {

void RegisterLab6()
{
    labframe::RegisterLab(TfmLab6::kNumber, [] { return new TfmLab6(); });
}

} // namespace coordplanelab
