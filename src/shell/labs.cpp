#include "shell/labs.h"
#include "labframe/labregistry.h"
#include "labs/planimetry/registration.h"
#include "labs/functiongraphs/registration.h"
#include "labs/coordplane/registration.h"
#include "labs/trigonometry/registration.h"
#include "labs/equationgraphs/registration.h"
#include "labs/coordline/registration.h"
#include "labs/probability/registration.h"
#include "labs/divisibility/registration.h"
#include "labs/fractions/registration.h"
#include "labs/programming/registration.h"
#include "labs/dataanalysis/registration.h"
#include "labs/stereometry/registration.h"
#include "shellcalls/shellcalls.h"

namespace shell {

// One line per lab window, each from the lab's own library.
void RegisterLabs()
{
    planimetrylab::RegisterLab4();
    functiongraphslab::RegisterLab3();
    coordplanelab::RegisterLab6();
    trigonometrylab::RegisterLab5();
    equationgraphslab::RegisterLab11();
    coordlinelab::RegisterLab2();
    probabilitylab::RegisterLab16();
    divisibilitylab::RegisterLab1();
    fractionslab::RegisterLab14();
    programminglab::RegisterLab19();
    dataanalysislab::RegisterLab17();
    stereometrylab::RegisterLab13();
}

labframe::TfmLab* CreateLabOrSay(int number)
{
    labframe::TfmLab* lab = labframe::CreateLab(number);
    if (!lab) shellcalls::guide().ShowNote(kLabNotReadyNote, kLabNotReadyNoteSeconds);
    return lab;
}

} // namespace shell
