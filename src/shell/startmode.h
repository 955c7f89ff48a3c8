#pragma once
#include <QString>
#include <functional>

// The command-line modes: "1" opens a topic on its theory page, "2" and "3"
// open a task of a topic, "4" opens a lab file in its lab. They run on the
// first mouse move over the login window's background, with nobody logged
// in, and leave the opened window as the only way out of the program.
namespace shell {

struct StartTarget {
    enum class Kind { None, Topic, Task, LabFile };
    Kind kind = Kind::None;
    QString topic;   // topic code ("A05")
    QString task;    // topic code, "\", task name ("A05\012")
    QString caption; // of the task window ("Упражнение №012 :")
    QString file;    // lab file, program path
};

// What the mode and the path ask for; Kind::None for other modes and paths
// that name no topic or task.
StartTarget ParseStartMode(const QString& mode, const QString& path);

// The windows the modes open plug in here; until they do, those modes open
// nothing.
struct StartModeTargets {
    // Opens the topic (title from the topic map) on its theory page.
    std::function<bool(const QString& topic)> openTopic;
    // Loads the task into the task window with the caption, restores its
    // saved state and shows it (the topic is open already).
    std::function<bool(const QString& task, const QString& caption)> openTask;
};
StartModeTargets& startModeTargets();

// Prepares the workspace and opens what StartMode and StartPath ask for;
// the back and main-window buttons are hidden then. True when a window was
// opened. When nothing could be opened the login window is usable again, so
// the user can still log in.
bool RunStartMode();

} // namespace shell
