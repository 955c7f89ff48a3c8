// Topic pages assembled from any page list and page files, links of any
// text, and lesson numbering over any file names.
#include "base/coursefiles.h"
#include "base/textfile.h"
#include "shell/coursepages.h"
#include "shell/lessons.h"
#include <QRegularExpression>
#include <cstdlib>

namespace {

// Every task and lesson link the page offers stays inside "ZADS\".
void CheckLinks(const QStringList& lines)
{
    for (const QString& line : lines)
        for (const char* scheme : {"ZAD:", "ADD:"}) {
            const qsizetype at = line.indexOf(QLatin1String(scheme));
            if (at < 0) continue;
            const qsizetype end = line.indexOf(QRegularExpression(QStringLiteral("[ \"]")), at);
            const QString code = line.mid(at + 4, end < 0 ? -1 : end - at - 4);
            if (!base::IsSafePageCode(code)) std::abort();
        }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QStringList parts = text.split(QChar(0));
    const QString codes = base::SplitLines(parts.value(0).left(2000)).value(0); // one line of a page list
    // Links written in the page itself are the author's; only generated ones are checked.
    const QStringList page = base::SplitLines(QString(parts.value(1)).replace(u':', u';'));
    // The topic page window opens only topics with safe codes.
    const QString topic = parts.value(2).left(40);
    if (!base::IsSafeTopicCode(topic)) return 0;
    base::NameValueList results;
    for (const QString& code : base::PageCodes(codes)) results.append(topic + u'\\' + code, parts.value(3).left(30));

    shell::PageBuildSettings settings;
    settings.topic = topic;
    settings.results = &results;
    settings.builderOpen = size % 2 == 1;
    settings.gifFolder = QStringLiteral("/p/GIF/");
    settings.readPage = [&](const QString&) -> std::optional<QStringList> { return page; };
    for (int k = 1; k <= 3; ++k) {
        const shell::BuiltPage built = shell::BuildPage(k, codes, settings);
        if (built.lines.size() < 4 || built.lines.last() != QLatin1String("</BODY></HTML>")) std::abort();
        CheckLinks(built.lines);
    }
    CheckLinks(shell::BuildResultsPage(codes, settings));

    const base::PageLink link = base::ParsePageLink(parts.value(4));
    if (link.valid && link.kind != base::PageLink::Kind::Other && !base::IsSafePageCode(link.target)) std::abort();
    shell::ParseContentsLink(parts.value(4));

    const QString next = shell::NextLessonCode(base::PageCodes(parts.value(5)));
    if (next.size() != 8 || !next.startsWith(base::kLessonPrefix)) std::abort();
    return 0;
}
