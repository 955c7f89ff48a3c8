#include "programming/programpaths.h"
#include <QRegularExpression>

namespace programming {
namespace {

// Components of letters, digits, "_", "-" and inner dots, separated by "\" or "/".
bool StaysInFolder(const QString& code)
{
    static const QRegularExpression pattern(QStringLiteral("^[\\w-]+(\\.[\\w-]+)*([\\\\/][\\w-]+(\\.[\\w-]+)*)*$"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    return pattern.match(code).hasMatch();
}

} // namespace

QString OwnProgramPath(const QString& userFolder, const QString& taskCode, const QString& extension)
{
    const QString code = StaysInFolder(taskCode) ? taskCode : kNoTaskCode;
    return userFolder + code + u'.' + extension;
}

QString ExampleCopyPath(const QString& userFolder, const QString& extension)
{
    return userFolder + kNoTaskCode + u'.' + extension;
}

QString PairedProgramPath(const QString& labFile, const QString& extension)
{
    const qsizetype separator = std::max(labFile.lastIndexOf(u'\\'), labFile.lastIndexOf(u'/'));
    const qsizetype dot = labFile.lastIndexOf(u'.');
    const QString base = dot > separator + 1 ? labFile.left(dot) : labFile;
    return base + u'.' + extension;
}

} // namespace programming
