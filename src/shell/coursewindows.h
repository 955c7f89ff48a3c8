#pragma once

// The contents window, the topic page window with its reference window and
// the lesson builder: created once, tied to each other and plugged into the
// main window, the course plugs and the command-line modes.
namespace shell {

struct Workspace;

// Needs the main window created; creates nothing twice.
void CreateCourseWindows(Workspace& windows);

} // namespace shell
