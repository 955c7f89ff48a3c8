#include "users/results.h"
#include "base/appstate.h"
#include "base/clock.h"
#include "base/folders.h"
#include "base/numfmt.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include <algorithm>
#include <cmath>

namespace users {
namespace {
long long ReadColumns(const QString& value, int first, int width)
{
    const auto number = base::ParseInt(value.mid(first, width));
    return number && *number > 0 ? *number : 0;
}

QChar VerdictChar(int verdict) { return QChar(u'0' + verdict); }

bool SameFolder(const QString& a, const QString& b)
{
    QString x = a, y = b;
    x.replace(u'/', u'\\');
    y.replace(u'/', u'\\');
    return x.compare(y, Qt::CaseInsensitive) == 0;
}
} // namespace

QString FormatResultValue(QChar verdict, int attempts, long long seconds, const QDate& date)
{
    attempts = std::clamp(attempts, 0, kMaxAttempts);
    seconds = std::clamp(seconds, 0LL, kMaxSeconds);
    return verdict + base::PadNumber(attempts, 3, u' ') + base::PadNumber(seconds, 6, u' ') + u' '
        + base::FormatDate(date);
}

int ReadAttempts(const QString& value) { return int(std::min<long long>(ReadColumns(value, 1, 3), kMaxAttempts)); }
long long ReadSeconds(const QString& value) { return ReadColumns(value, 4, 6); }

void LoadResults(const QString& folder, base::NameValueList& list)
{
    list.clear();
    if (folder.isEmpty()) return;
    if (auto lines = base::TryReadLines(folder + kResultsFile)) list.setLines(*lines);
}

bool SaveResults(const QString& folder, const base::NameValueList& list)
{
    if (folder.isEmpty()) return false;
    base::ForceFolder(folder);
    return base::WriteLines(folder + kResultsFile, list.lines());
}

bool RecordAttempt(base::AppState& app, const QString& taskCode, int verdict, double seconds)
{
    const long long spent = std::llround(std::max(0.0, seconds));
    const QDate today = base::Today();
    const int index = app.userResults.indexOfName(taskCode);
    if (index < 0) {
        app.userResults.append(taskCode, FormatResultValue(VerdictChar(verdict), 1, spent, today));
    } else {
        const QString old = app.userResults.value(index);
        app.userResults.setValue(index, FormatResultValue(VerdictChar(verdict), ReadAttempts(old) + 1,
                                                          ReadSeconds(old) + spent, today));
    }
    const bool saved = SaveResults(app.userFolder, app.userResults);
    app.resultsChanged = true;
    return saved;
}

bool OverruleVerdict(base::AppState& app, const QString& pupilFolder, const QString& taskCode, int verdict)
{
    if (verdict != 1 && verdict != 2) return false;
    base::NameValueList pupil;
    LoadResults(pupilFolder, pupil);
    const int index = pupil.indexOfName(taskCode);
    bool saved = true;
    if (index >= 0) {
        QString value = pupil.value(index);
        if (value.isEmpty()) value = VerdictChar(verdict);
        else value[0] = VerdictChar(verdict);
        pupil.setValue(index, value);
        saved = SaveResults(pupilFolder, pupil);
    }
    if (!app.userFolder.isEmpty() && SameFolder(pupilFolder, app.userFolder)) app.userResults = pupil;
    app.resultsChanged = true;
    return saved;
}

} // namespace users
