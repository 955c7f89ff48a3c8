#include "labs/functiongraphs/registration.h"
#include "labframe/labregistry.h"
#include "labs/functiongraphs/labwindow.h"

namespace functiongraphslab {

void RegisterLab3()
{
    labframe::RegisterLab(TfmLab3::kNumber, [] { return new TfmLab3(); });
}

} // namespace functiongraphslab
