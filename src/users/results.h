#pragma once
#include "base/namevalue.h"
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
void LoadResults(const QString& folder, base::NameValueList& list);
// Writes the list to folder + "results.txt" atomically, creating the folder.
// False when nothing was written (the previous file stays); an empty folder
// (nobody logged in) writes nothing.
bool SaveResults(const QString& folder, const base::NameValueList& list);

// One attempt of the logged-in user of app: updates app.userResults, saves
// it to app.userFolder and sets app.resultsChanged. verdict is 0, 1 or 2;
// seconds are rounded to the nearest whole number.
bool RecordAttempt(base::AppState& app, const QString& taskCode, int verdict, double seconds);

// A teacher's verdict (1 or 2) on a pupil's entry: only column 1 changes.
// The current user's own list is not disturbed (unless the pupil folder is
// the current user's, whose list in app then follows). Sets
// app.resultsChanged. False when the verdict is not 1 or 2 or the pupil's
// file could not be written.
bool OverruleVerdict(base::AppState& app, const QString& pupilFolder, const QString& taskCode, int verdict);

} // namespace users
