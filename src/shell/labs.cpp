#include "shell/labs.h"

namespace shell {

// One line per lab window, each from the lab's own library.
void RegisterLabs() {}

} // namespace shell
