#include "labs/programming/registration.h"
#include "labframe/labregistry.h"
#include "labs/programming/labwindow.h"

namespace programminglab {

void RegisterLab19()
{
    labframe::RegisterLab(kLabNumber, [] { return new TfmLab19(); });
}

} // namespace programminglab
