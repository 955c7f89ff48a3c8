// Any bytes as a task's page, answer file, container file and hint (separated
// by zero bytes), checked as task A01\0101 of a program folder and as a topic
// page: no crash or hang, and every problem points at a line of its file.
#include "coursecheck/check/linkcheck.h"
#include "coursecheck/check/taskcheck.h"
#include "base/paths.h"
#include "base/textfile.h"
#include <QDir>
#include <QHash>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

const QStringList kExtensions{".HTM", ".ANS", ".CNT", ".HLP"};

QTemporaryDir& Folder()
{
    static QTemporaryDir folder;
    static const bool prepared = [] {
        base::SetProgramFolder(folder.path());
        base::SetTempFolder(folder.path());
        QDir().mkpath(folder.path() + "/ZADS/A01");
        return true;
    }();
    (void)prepared;
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Folder();
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    for (int i = 0; i < kExtensions.size(); ++i) {
        const QString file = "ZADS\\A01\\0101" + kExtensions[i];
        // Written without a flush to the disk: the files are the input, not what is checked.
        if (i < parts.size()) base::WriteScratchBytes(file, parts[i]);
        else QFile::remove(base::RealPath(file));
    }
    coursecheck::Report report;
    coursecheck::CheckTask(report, "A01\\0101");
    const QStringList page = base::TryReadLines("ZADS\\A01\\0101.HTM").value_or(QStringList());
    coursecheck::CheckLinks(report, "ZADS\\A01\\0101.HTM", page, {"ZADS\\00000001\\", int(page.size()), {}});

    // Each file is counted once: a broken page gives hundreds of problems.
    QHash<QString, qsizetype> linesOf;
    for (const coursecheck::Problem& problem : report.problems()) {
        auto lines = linesOf.constFind(problem.file);
        if (lines == linesOf.cend())
            lines = linesOf.insert(problem.file, base::TryReadLines(problem.file).value_or(QStringList()).size());
        if (problem.line < 0 || problem.line > *lines || problem.message.isEmpty()) std::abort();
    }
    return 0;
}
