#include "labs/probability/registration.h"
#include "labframe/labregistry.h"
#include "labs/probability/labwindow.h"

namespace probabilitylab {

void RegisterLab16()
{
    labframe::RegisterLab(16, [] { return new TfmLab16(); });
}

} // namespace probabilitylab
