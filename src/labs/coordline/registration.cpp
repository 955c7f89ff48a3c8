#include "labs/coordline/registration.h"
#include "labframe/labregistry.h"
#include "labs/coordline/labwindow.h"

namespace coordlinelab {

void RegisterLab2()
{
    labframe::RegisterLab(2, [] { return new TfmLab2(); });
}

} // namespace coordlinelab
