#include "base/appstate.h"
#include "support/testsupport.h"
#include "users/results.h"

using base::App;
constexpr auto Written = base::SharedChangeStatus::Written;

// A results file saved again by an editor that writes a byte-order mark: the
// first task is still found, so a new attempt updates its entry instead of
// adding a second one.
TEST_F(ProgramFolderTest, ResultsFileWithAByteOrderMarkKeepsOneEntryPerTask)
{
    const QString folder = QStringLiteral("USERS\\10000501\\");
    App().userFolder = folder;
    writeBytes(folder + QStringLiteral("results.txt"), "\xEF\xBB\xBF" "A05\\012=2  1    10 07.03.2004\r\n");
    users::LoadResults(folder, App().userResults);
    FixedClock clock(QStringLiteral("2004-03-08T10:00:00"));
    ASSERT_EQ(users::RecordAttempt(App(), QStringLiteral("A05\\012"), 1, 5), Written);
    EXPECT_EQ(readBytes(folder + QStringLiteral("results.txt")), QByteArray("A05\\012=1  2    15 08.03.2004\r\n"));
}
