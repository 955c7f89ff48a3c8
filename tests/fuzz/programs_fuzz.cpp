// The programming lab's example list and settings file from any bytes, and
// the DOS page of program files.
#include "base/apperror.h"
#include "base/textfile.h"
#include "programming/exampletree.h"
#include "programming/programpaths.h"
#include "programming/programsettings.h"
#include "programming/programtext.h"
#include <cstdlib>

namespace {

void CheckExampleList(const QStringList& lines)
{
    try {
        const programming::ExampleTree tree = programming::ReadExampleTree(lines);
        for (const programming::ExampleGroup& group : tree.groups)
            for (const programming::ProgramExample& example : group.examples) {
                // Every accepted example names a file inside "ZADS\".
                if (!programming::IsExampleCode(example.code) || example.title.isEmpty()) std::abort();
                if (tree.find(example.code) == nullptr) std::abort();
            }
    } catch (const base::AppError&) {
    }
}

void CheckSettings(const QStringList& lines)
{
    const programming::ProgramSettings settings = programming::ReadSettings(lines, {});
    // The extension always names a file in the user's folder.
    if (!programming::IsFileExtension(settings.extension)) std::abort();
    // What is written reads back the same.
    if (programming::ReadSettings(programming::SettingsLines(settings), {}) != settings) std::abort();
}

void CheckDosPage(const QByteArray& bytes)
{
    // A line of any bytes survives a DOS round trip, ended with CR LF.
    QByteArray plain = bytes;
    plain.replace('\r', ' ').replace('\n', ' ');
    using programming::TextEncoding;
    const QByteArray expected = plain.isEmpty() ? plain : plain + "\r\n";
    if (programming::EncodeProgram(programming::DecodeProgram(plain, TextEncoding::Dos), TextEncoding::Dos) != expected)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = base::SplitLines(base::DecodeText(bytes));
    CheckExampleList(lines);
    CheckSettings(lines);
    CheckDosPage(bytes);
    // A task code never leads out of the user's folder.
    for (const QString& line : lines) {
        const QString path = programming::OwnProgramPath(QStringLiteral("USERS\\1\\"), line, QStringLiteral("PAS"));
        if (path.contains(QStringLiteral("..")) && !path.endsWith(QStringLiteral("TMP.PAS"))) std::abort();
    }
    return 0;
}
