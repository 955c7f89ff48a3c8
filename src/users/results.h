#pragma once
#include "base/namevalue.h"
#include "base/sharedfile.h"
#include <QDate>
#include <QString>

// The results store: one "results.txt" per user folder, one line per task,
// "<task code>=<value>". The value has fixed columns: the verdict (1
// character), the attempts (3, right-aligned), the seconds spent (6,
// right-aligned), a space and the date of the last attempt (dd.mm.yyyy).
namespace base {
struct AppState;
}

namespace users {

inline const QString kResultsFile = QStringLiteral("results.txt");

// Verdicts as they stand in column 1.
inline constexpr QChar kVerdictWaits = u'0';   // waits for a teacher's check
inline constexpr QChar kVerdictRight = u'1';
inline constexpr QChar kVerdictWrong = u'2';

// The widest numbers the columns hold; larger counts stay at these so that
// the columns never shift.
inline constexpr int kMaxAttempts = 999;
inline constexpr long long kMaxSeconds = 999999;

QString FormatResultValue(QChar verdict, int attempts, long long seconds, const QDate& date);
// Columns 2-4 and 5-10 of a value; a field that does not read as a number is 0.
int ReadAttempts(const QString& value);
long long ReadSeconds(const QString& value);

// Replaces the list by folder + "results.txt"; an empty list when the file
// is missing or unreadable, or when folder is empty (nobody logged in).
// Readers take no lock: the file is always replaced whole.
void LoadResults(const QString& folder, base::NameValueList& list);
// Writes the list to folder + "results.txt" atomically, creating the folder.
// False when nothing was written (the previous file stays); an empty folder
// (nobody logged in) writes nothing. Replaces the whole file: for a file
// that others change too, use RecordAttempt and OverruleVerdict.
bool SaveResults(const QString& folder, const base::NameValueList& list);

// The entry-level changes, on any list: one attempt added to the task's
// entry (made when missing), and a verdict put in column 1 of an existing
// entry (false when the task has no entry).
void AddAttempt(base::NameValueList& list, const QString& taskCode, int verdict, long long seconds, const QDate& date);
bool SetVerdict(base::NameValueList& list, const QString& taskCode, int verdict);

// One attempt of the logged-in user of app, added to the entry as the file
// holds it now (a teacher's verdict written meanwhile stays); app.userResults
// then shows the file. When the file cannot be written the attempt is kept
// in app.sharedChanges and in app.userResults and written with the next
// change. verdict is 0, 1 or 2; seconds are rounded to the nearest whole
// number. Sets app.resultsChanged. Nobody logged in: only the list changes
// and the result is Failed.
base::SharedChangeStatus RecordAttempt(base::AppState& app, const QString& taskCode, int verdict, double seconds);

// A teacher's verdict (1 or 2) on a pupil's entry as the pupil's file holds
// it now: only column 1 changes, the pupil's attempts made meanwhile stay.
// The current user's own list follows when the pupil folder is the current
// user's. Sets app.resultsChanged. Unchanged when the task has no entry;
// Failed for a verdict other than 1 or 2.
base::SharedChangeStatus OverruleVerdict(base::AppState& app, const QString& pupilFolder, const QString& taskCode,
                                         int verdict);

} // namespace users
