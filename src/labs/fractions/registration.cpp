#include "labs/fractions/registration.h"
#include "labframe/labregistry.h"
#include "labs/fractions/labwindow.h"

namespace fractionslab {

void RegisterLab14()
{
    labframe::RegisterLab(14, [] { return new TfmLab14(); });
}

} // namespace fractionslab
