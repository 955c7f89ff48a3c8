#include "plane/sectionpair.h"
#include "base/textutil.h"
#include "plane/planerecords.h"

namespace plane {

SectionPair SplitSections(const QStringList& lines, int firstLine)
{
    qsizetype blank = 0;
    while (blank < lines.size() && !base::Trim(lines[blank]).isEmpty()) ++blank;
    if (blank + 1 >= lines.size())
        throw SceneFormatError(firstLine + int(blank), QStringLiteral("нет второй плоскости после пустой строки"));
    return {lines.mid(0, blank), firstLine, lines.mid(blank + 1), firstLine + int(blank) + 1};
}

} // namespace plane
