#include "programming/programsettings.h"
#include "base/folders.h"
#include "base/textfile.h"
#include <QRegularExpression>
#include <QStandardPaths>

namespace programming {
namespace {

enum SettingsLine { kEnvironmentLine, kExtensionLine, kNameLine, kEncodingLine };
const QString kDefaultEnvironmentProgram = QStringLiteral("fp");
const QString kDefaultEnvironmentName = QStringLiteral("Free Pascal");
const QString kDosValue = QStringLiteral("0");
const QString kWindowsValue = QStringLiteral("1");
constexpr int kMaxExtensionLength = 8;

} // namespace

QString FindOnPath(const QString& name) { return QStandardPaths::findExecutable(name); }

ProgramSettings DefaultSettings(const ExecutableFinder& find)
{
    ProgramSettings settings;
    settings.environment = find(kDefaultEnvironmentProgram);
    settings.name = kDefaultEnvironmentName;
    return settings;
}

bool IsFileExtension(const QString& extension)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_]+$"));
    return extension.size() <= kMaxExtensionLength && pattern.match(extension).hasMatch();
}

ProgramSettings ReadSettings(const QStringList& lines, const ProgramSettings& defaults)
{
    ProgramSettings settings = defaults;
    const auto line = [&lines](int index) { return index < lines.size() ? lines[index].trimmed() : QString(); };
    if (lines.size() > kEnvironmentLine) settings.environment = line(kEnvironmentLine);
    if (IsFileExtension(line(kExtensionLine))) settings.extension = line(kExtensionLine);
    if (!line(kNameLine).isEmpty()) settings.name = line(kNameLine);
    if (line(kEncodingLine) == kDosValue) settings.encoding = TextEncoding::Dos;
    else if (line(kEncodingLine) == kWindowsValue) settings.encoding = TextEncoding::Windows;
    return settings;
}

QStringList SettingsLines(const ProgramSettings& settings)
{
    return {settings.environment, settings.extension, settings.name,
            settings.encoding == TextEncoding::Dos ? kDosValue : kWindowsValue};
}

QString SettingsPath(const QString& userFolder) { return userFolder + kSettingsFile; }

ProgramSettings LoadSettings(const QString& userFolder, const ExecutableFinder& find)
{
    const ProgramSettings defaults = DefaultSettings(find);
    const std::optional<QStringList> lines = base::TryReadLines(SettingsPath(userFolder));
    return lines ? ReadSettings(*lines, defaults) : defaults;
}

bool SaveSettings(const QString& userFolder, const ProgramSettings& settings)
{
    const QString path = SettingsPath(userFolder);
    base::ForceFolder(userFolder + QStringLiteral("Programs\\"));
    return base::WriteLines(path, SettingsLines(settings));
}

} // namespace programming
