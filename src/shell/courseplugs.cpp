#include "shell/courseplugs.h"

namespace shell {

CoursePlugs& coursePlugs()
{
    static CoursePlugs plugs;
    return plugs;
}

} // namespace shell
