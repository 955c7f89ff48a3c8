#include "labs/probability/lab16.h"
#include "labframe/labregistry.h"
#include "labs/probability/tfmlab16.h"

namespace lab {

void RegisterLab16()
{
    labframe::RegisterLab(16, [] { return new TfmLab16(); });
}

} // namespace lab
