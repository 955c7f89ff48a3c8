#include "users/results.h"
#include "base/appstate.h"
#include "base/clock.h"
#include "base/folders.h"
#include "base/numfmt.h"
#include "base/textfile.h"
#include "base/textutil.h"
#include <algorithm>
#include <cmath>
#include <functional>

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

void AddAttempt(base::NameValueList& list, const QString& taskCode, int verdict, long long seconds, const QDate& date)
{
    const int index = list.indexOfName(taskCode);
    if (index < 0) {
        list.append(taskCode, FormatResultValue(VerdictChar(verdict), 1, seconds, date));
        return;
    }
    const QString old = list.value(index);
    list.setValue(index, FormatResultValue(VerdictChar(verdict), ReadAttempts(old) + 1, ReadSeconds(old) + seconds, date));
}

bool SetVerdict(base::NameValueList& list, const QString& taskCode, int verdict)
{
    const int index = list.indexOfName(taskCode);
    if (index < 0) return false;
    QString value = list.value(index);
    if (value.isEmpty()) value = VerdictChar(verdict);
    else value[0] = VerdictChar(verdict);
    list.setValue(index, value);
    return true;
}

namespace {
using ListChange = std::function<bool(base::NameValueList&)>;

base::LinesChange OnLines(ListChange change)
{
    return [change = std::move(change)](QStringList& lines, bool) {
        base::NameValueList list(std::move(lines));
        const bool changed = change(list);
        lines = list.lines();
        return changed;
    };
}

// Changes folder's results file through app's kept changes. When the file
// was written the list (if given) becomes the file; otherwise the change is
// made on the list in memory too, as it will be made on the file later.
base::SharedChangeStatus ChangeResults(base::AppState& app, const QString& folder, const ListChange& change,
                                       base::NameValueList* list)
{
    const base::SharedChangeResult result = app.sharedChanges.Apply(folder + kResultsFile, OnLines(change));
    if (list) {
        if (result.done()) list->setLines(result.lines);
        else change(*list);
    }
    return result.status;
}
} // namespace

base::SharedChangeStatus RecordAttempt(base::AppState& app, const QString& taskCode, int verdict, double seconds)
{
    const long long spent = std::llround(std::max(0.0, seconds));
    const QDate today = base::Today();
    const ListChange change = [=](base::NameValueList& list) {
        AddAttempt(list, taskCode, verdict, spent, today);
        return true;
    };
    app.resultsChanged = true;
    if (app.userFolder.isEmpty()) {
        change(app.userResults);
        return base::SharedChangeStatus::Failed;
    }
    return ChangeResults(app, app.userFolder, change, &app.userResults);
}

base::SharedChangeStatus OverruleVerdict(base::AppState& app, const QString& pupilFolder, const QString& taskCode,
                                         int verdict)
{
    if (verdict != 1 && verdict != 2) return base::SharedChangeStatus::Failed;
    const ListChange change = [=](base::NameValueList& list) { return SetVerdict(list, taskCode, verdict); };
    const bool own = !app.userFolder.isEmpty() && SameFolder(pupilFolder, app.userFolder);
    app.resultsChanged = true;
    return ChangeResults(app, pupilFolder, change, own ? &app.userResults : nullptr);
}

} // namespace users
