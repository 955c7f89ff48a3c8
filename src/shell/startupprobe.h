#pragma once

namespace shell {

class TfmZast;

// ORINDO_LOGIN_PROBE="class index;name;password;milliseconds", for the
// start-up benchmark only: that long after the login panel shows (the time a
// user takes to type), logs in and says "main <ms to the main window shown>
// <ms to its start page loaded>", counted from the login click, and ends.
// Without the variable it does nothing.
void AttachLoginProbe(TfmZast& login);

} // namespace shell
