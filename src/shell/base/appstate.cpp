#include "shell/base/appstate.h"

namespace shell {

AppState& App()
{
    static AppState state;
    return state;
}

void ResetAppState() { App() = AppState{}; }

} // namespace shell
