#pragma once
#include <QString>

// The contents window, the topic page window with its reference window and
// the lesson builder: created once, tied to each other and plugged into the
// main window and the command-line modes.
namespace shell {

struct Workspace;

// Needs the main window created; creates nothing twice.
void CreateCourseWindows(Workspace& windows);

// Opens the topic on page 1..4 of the topic page window, its section brought
// into the contents window first. False without those windows or when the
// topic has no page list.
bool OpenTopicOnPage(const Workspace& windows, const QString& topic, int page);

} // namespace shell
