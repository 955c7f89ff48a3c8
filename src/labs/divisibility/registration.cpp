#include "labs/divisibility/registration.h"
#include "labframe/labregistry.h"
#include "labs/divisibility/labwindow.h"

namespace divisibilitylab {

void RegisterLab1()
{
    labframe::RegisterLab(1, [] { return new TfmLab1(); });
}

} // namespace divisibilitylab
