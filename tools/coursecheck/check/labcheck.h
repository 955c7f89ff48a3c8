#pragma once
#include "coursecheck/check/messages.h"
#include "coursecheck/check/report.h"
#include <QString>

// Lab files of the course loaded into the real lab windows (created
// offscreen), the way the program opens them: lab examples, the
// illustrations of "SPR:" links, the tasks' labs.
namespace coursecheck {

// Whether the program has a window for the lab number (creates it).
bool LabImplemented(int number);
// "нет лаборатории с номером N" or "лаборатория N в программе не реализована";
// empty when the lab exists.
QString MissingLabMessage(int number);

// Loads the file into the lab its first line names and reports a refusal,
// at the file's first line.
void CheckLabFile(Report& report, MessageCollector& messages, const QString& file);

// "LABS\LAB{n}\examples.txt": every example line has its "{i}.LAB", and each
// loads into lab n. A lab without a window is told once, at the list.
void CheckLabExamples(Report& report, MessageCollector& messages);
// Every "RIS\*.LAB".
void CheckIllustrations(Report& report, MessageCollector& messages);

} // namespace coursecheck
