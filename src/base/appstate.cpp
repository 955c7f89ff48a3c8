#include "base/appstate.h"

namespace base {

AppState& App()
{
    static AppState state;
    return state;
}

void ResetAppState() { App() = AppState{}; }

} // namespace base
