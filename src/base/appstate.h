#pragma once
#include "base/namevalue.h"
#include "base/sharedfile.h"
#include <QString>

// The process-wide state of the run: who is logged in, where that user's
// files are, and the command-line mode. Filled at start-up and at login.
namespace base {

struct AppState {
    QString currentUserName;     // as typed at login
    QString currentUserId;       // 8 digits from the register
    QString userFolder;          // program path "USERS\<id>\", empty before login
    bool isTeacher = false;
    NameValueList userResults;   // results of the logged-in user
    bool resultsChanged = false; // a verdict was recorded or overruled
    QString startMode;           // first command-line parameter
    QString startPath;           // second command-line parameter
    // Changes of shared files (results, answers, lessons) that could not be
    // written yet; tried again before the next change.
    SharedChanges sharedChanges;
};

AppState& App();

// Clears the state (tests and start-up).
void ResetAppState();

} // namespace base
