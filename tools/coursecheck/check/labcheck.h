#pragma once
#include "coursecheck/check/report.h"
#include <QString>

// Lab files of the course read as the lab windows read them, without
// creating a window: lab examples, the illustrations of "SPR:" links, the
// tasks' labs. What each lab accepts comes from the lab formats registered by
// labformats::RegisterLabFormats.
namespace coursecheck {

// Whether the program has the lab of the number (its format is registered).
bool LabImplemented(int number);
// "нет лаборатории с номером N" or "лаборатория N в программе не реализована";
// empty when the lab exists.
QString MissingLabMessage(int number);

// Reports what the lab its first line names would refuse, at the line where
// the window stops reading.
void CheckLabFile(Report& report, const QString& file);

// "LABS\LAB{n}\examples.txt": every example line has its "{i}.LAB", and each
// loads into lab n. A lab the program does not have is told once, at the list.
void CheckLabExamples(Report& report);
// Every "RIS\*.LAB".
void CheckIllustrations(Report& report);

} // namespace coursecheck
