#include "shell/labs.h"
#include "labs/probability/registration.h"

namespace shell {

// One line per lab window, each from the lab's own library.
void RegisterLabs()
{
    probabilitylab::RegisterLab16();
}

} // namespace shell
