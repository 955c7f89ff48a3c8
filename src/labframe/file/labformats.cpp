#include "labframe/file/labformats.h"
#include "labframe/file/labfile.h"
#include "labframe/file/labtable.h"
#include "base/apperror.h"
#include <map>

namespace labframe {
namespace {

constexpr int kFirstLine = 1;

std::map<int, LabFormat>& Formats()
{
    static std::map<int, LabFormat> formats;
    return formats;
}

const LabControlFormat* FindControl(const LabFormat& format, const QString& name)
{
    for (const LabControlFormat& control : format.controls)
        if (control.name == name) return &control;
    return nullptr;
}

} // namespace

const QList<LabControlFormat>& BaseLabControls()
{
    static const QList<LabControlFormat> controls{
        {QStringLiteral("btClear"), ControlKind::SpeedButton},
        {QStringLiteral("btLoad"), ControlKind::SpeedButton},
        {QStringLiteral("btSave"), ControlKind::SpeedButton},
        {QStringLiteral("btExample"), ControlKind::SpeedButton},
    };
    return controls;
}

bool RegisterLabFormat(LabFormat format)
{
    if (!IsLabNumber(format.number)) return false;
    const int number = format.number;
    Formats()[number] = std::move(format);
    return true;
}

const LabFormat* FindLabFormat(int number)
{
    const auto it = Formats().find(number);
    return it == Formats().end() ? nullptr : &it->second;
}

void ReleaseLabFormats() { Formats().clear(); }

std::optional<LabRefusal> CheckLabData(const LabFormat& format, const LabFileData& data)
{
    if (data.number != format.number) return LabRefusal{kFirstLine, kWrongFormatText};
    for (const LabControlLine& line : data.controls) {
        const LabControlFormat* control = FindControl(format, line.name);
        if (!control) continue;
        try {
            CheckControlValue(control->kind, line.value);
        } catch (const base::AppError& error) {
            return LabRefusal{line.line, error.message()};
        }
    }
    if (!format.readEngine) return std::nullopt;
    try {
        format.readEngine(data.engineLines, data.engineLine);
    } catch (const base::LineError& error) {
        return LabRefusal{error.line(), error.reason()};
    } catch (const base::AppError& error) {
        return LabRefusal{data.engineLine, error.message()};
    } catch (const std::exception&) {
        return LabRefusal{data.engineLine, kWrongFormatText};
    }
    return std::nullopt;
}

std::optional<LabRefusal> CheckLabText(const LabFormat& format, const QString& text)
{
    try {
        return CheckLabData(format, ReadLabData(text));
    } catch (const base::AppError& error) {
        return LabRefusal{kFirstLine, error.message()};
    }
}

} // namespace labframe
