#include "ui/htmlfonts.h"
#include "base/paths.h"
#include <QFont>
#include <QFontInfo>
#include <QStringList>

namespace ui {
namespace {

struct Face {
    const char* family;
    const char* file; // in "FONTS\", empty when the program brings none
    bool bold;
    bool italic;
};

constexpr Face kFaces[] = {
    {"Arial Narrow", "Arialn.ttf", false, false},  {"Arial Narrow", "Arialnb.ttf", true, false},
    {"Arial Narrow", "Arialni.ttf", false, true},  {"Arial Narrow", "Arialnbi.ttf", true, true},
    {"Tahoma", "Tahoma.ttf", false, false},        {"Tahoma", "", true, false},
};

// Full names under which a family's face can be installed.
QStringList FullNames(const QString& family, bool bold, bool italic)
{
    if (!bold && !italic) return {family, family + QStringLiteral(" Regular")};
    const QString weight = bold ? QStringLiteral(" Bold") : QString();
    if (!italic) return {family + weight};
    return {family + weight + QStringLiteral(" Italic"), family + weight + QStringLiteral(" Oblique")};
}

QString FaceRule(const Face& face)
{
    const QString family = QString::fromLatin1(face.family);
    QStringList sources;
    const QString file = QStringLiteral("FONTS\\") + QString::fromLatin1(face.file);
    if (*face.file && base::FileExists(file))
        sources << QStringLiteral("url(\"/FONTS/%1\")").arg(QString::fromLatin1(face.file));
    const QString substitute = QFontInfo(QFont(family)).family();
    QStringList names = FullNames(family, face.bold, face.italic);
    if (substitute.compare(family, Qt::CaseInsensitive) != 0) names += FullNames(substitute, face.bold, face.italic);
    for (const QString& name : names) sources << QStringLiteral("local(\"%1\")").arg(name);
    return QStringLiteral("@font-face { font-family: \"%1\"; font-weight: %2; font-style: %3; src: %4; }\n")
        .arg(family, face.bold ? QStringLiteral("bold") : QStringLiteral("normal"),
             face.italic ? QStringLiteral("italic") : QStringLiteral("normal"), sources.join(QStringLiteral(", ")));
}

} // namespace

QString FontAliasStyle()
{
    QString css;
    for (const Face& face : kFaces) css += FaceRule(face);
    return css;
}

} // namespace ui
