#include "labs/dataanalysis/registration.h"
#include "labframe/labregistry.h"
#include "labs/dataanalysis/labwindow.h"

namespace dataanalysislab {

void RegisterLab17()
{
    labframe::RegisterLab(kLabNumber, [] { return new TfmLab17(); });
}

} // namespace dataanalysislab
