// Any bytes as an import file, a register file and results lines: the
// parsers must neither crash nor hang, and what they produce must hold.
#include "base/apperror.h"
#include "base/textfile.h"
#include "base/treetext.h"
#include "users/register.h"
#include "users/results.h"
#include "users/veltaimport.h"
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    for (const users::ImportedUser& user : users::ParseVeltaUsers(users::DecodeImportFile(bytes))) {
        // Imported values never carry a line break into the register.
        for (const QString* value : {&user.id, &user.name, &user.password, &user.className})
            for (const QChar c : *value)
                if (c == u'\r' || c == u'\n') std::abort();
    }

    const QStringList lines = base::SplitLines(base::DecodeCp1251(bytes));
    try {
        const auto roots = base::ReadTreeText(lines);
        // Written back and read again, the tree is the same (a root without
        // text is written as an empty line, which readers skip; the register
        // never writes one).
        bool namedRoots = true;
        for (const auto& root : roots) namedRoots = namedRoots && !root.text.isEmpty();
        if (namedRoots && base::WriteTreeText(base::ReadTreeText(base::WriteTreeText(roots))) != base::WriteTreeText(roots))
            std::abort();
        for (const auto& root : roots)
            for (const auto& klass : root.children)
                for (const auto& user : klass.children) {
                    const users::UserEntry entry = users::SplitUserEntry(user.text);
                    if (entry.id.contains(u' ')) std::abort();
                }
    } catch (const base::AppError&) {
    }

    for (const QString& line : lines) {
        if (users::ReadAttempts(line) < 0 || users::ReadSeconds(line) < 0) std::abort();
        const QString value = users::FormatResultValue(u'1', users::ReadAttempts(line) + 1, users::ReadSeconds(line), QDate(2004, 3, 7));
        if (value.size() != 21) std::abort();
    }
    return 0;
}
