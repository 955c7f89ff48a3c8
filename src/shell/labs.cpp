#include "shell/labs.h"
#include "labframe/labregistry.h"
#include "labs/planimetry/registration.h"
#include "labs/coordplane/registration.h"
#include "labs/trigonometry/registration.h"
#include "labs/coordline/registration.h"
#include "labs/probability/registration.h"
#include "shellcalls/shellcalls.h"

namespace shell {

// One line per lab window, each from the lab's own library.
void RegisterLabs()
{
    planimetrylab::RegisterLab4();
    coordplanelab::RegisterLab6();
    trigonometrylab::RegisterLab5();
    coordlinelab::RegisterLab2();
    probabilitylab::RegisterLab16();
}

labframe::TfmLab* CreateLabOrSay(int number)
{
    labframe::TfmLab* lab = labframe::CreateLab(number);
    if (!lab) shellcalls::guide().ShowNote(kLabNotReadyNote, kLabNotReadyNoteSeconds);
    return lab;
}

} // namespace shell
