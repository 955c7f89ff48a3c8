#include "shellcalls/shellcalls.h"

namespace shellcalls {
namespace {

struct Installation {
    Navigation noNavigation;
    Guide noGuide;
    StatusLine noStatusLine;
    Navigation* navigation = nullptr;
    Guide* guide = nullptr;
    StatusLine* statusLine = nullptr;
};

Installation& installed()
{
    static Installation calls;
    return calls;
}

} // namespace

Navigation& navigation() { return installed().navigation ? *installed().navigation : installed().noNavigation; }
Guide& guide() { return installed().guide ? *installed().guide : installed().noGuide; }
StatusLine& statusLine() { return installed().statusLine ? *installed().statusLine : installed().noStatusLine; }

void Install(Navigation* navigation) { installed().navigation = navigation; }
void Install(Guide* guide) { installed().guide = guide; }
void Install(StatusLine* statusLine) { installed().statusLine = statusLine; }

void InstallNone()
{
    Install(static_cast<Navigation*>(nullptr));
    Install(static_cast<Guide*>(nullptr));
    Install(static_cast<StatusLine*>(nullptr));
}

template <>
Navigation* Installed<Navigation>::Current() { return installed().navigation; }
template <>
Guide* Installed<Guide>::Current() { return installed().guide; }
template <>
StatusLine* Installed<StatusLine>::Current() { return installed().statusLine; }

} // namespace shellcalls
