#pragma once
#include "labframe/file/labtable.h"
#include <QList>
#include <QString>
#include <functional>

// The lab-number table and the lab windows of the run. A lab window is made
// the first time it is needed and lives until the end of the run; the one
// created or selected last is CurrentLab. The shell registers each lab's
// factory at start-up (RegisterLab); numbers without a registered window
// create nothing.
namespace labframe {

class TfmLab;

using LabFactory = std::function<TfmLab*()>;
// Registers the window factory of a lab number; false (and nothing kept) for a
// number outside the table.
bool RegisterLab(int number, LabFactory factory);

// The window of the number, created on first use, becomes CurrentLab and is
// returned. Numbers outside the table or without a registered window create
// nothing, leave CurrentLab unchanged and return nullptr. Callers then open
// the window with ui::OpenWindow.
TfmLab* CreateLab(int number);
// The window of the number if it exists already.
TfmLab* ExistingLab(int number);

TfmLab* CurrentLab();
// The task window sets it to the task's lab, or to none.
void SetCurrentLab(TfmLab* lab);

// Deletes every lab window and forgets the factories (end of the run, tests).
void ReleaseLabs();

} // namespace labframe
