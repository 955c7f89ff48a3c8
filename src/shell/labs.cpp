#include "shell/labs.h"
#include "labs/probability/lab16.h"

namespace shell {

// One line per lab window, each from the lab's own library.
void RegisterLabs()
{
    lab::RegisterLab16();
}

} // namespace shell
