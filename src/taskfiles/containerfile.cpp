#include "taskfiles/containerfile.h"
#include "base/numfmt.h"
#include "base/textutil.h"

namespace tasks {

namespace {

struct LineError {
    QString message;
};

int ReadNumber(const QString& text, int low, int high, int lineNumber)
{
    const std::optional<long long> number = base::ParseInt(text);
    if (!number)
        throw LineError{QStringLiteral("строка %1: \"%2\" не является целым числом").arg(lineNumber).arg(text)};
    if (*number < low || *number > high)
        throw LineError{QStringLiteral("строка %1: число %2 вне пределов от %3 до %4")
                            .arg(lineNumber).arg(*number).arg(low).arg(high)};
    return int(*number);
}

ContainerSizes ReadSizes(const QString& line)
{
    QString rest = line;
    int values[5];
    for (int& value : values) {
        const QString field = base::SplitLeft(rest, u' ');
        if (field.isEmpty())
            throw LineError{QStringLiteral("строка 1: нужны пять целых чисел (высота области и размеры мест и карточек)")};
        value = ReadNumber(field, 0, kMaxContainerSize, 1);
    }
    return {values[0], values[1], values[2], values[3], values[4]};
}

ContainerItem ReadItem(const QString& line, int lineNumber)
{
    QString rest = line;
    ContainerItem item;
    item.name = base::SplitLeft(rest, u' ');
    item.left = ReadNumber(base::SplitLeft(rest, u' '), -kMaxContainerPosition, kMaxContainerPosition, lineNumber);
    item.top = ReadNumber(base::SplitLeft(rest, u' '), -kMaxContainerPosition, kMaxContainerPosition, lineNumber);
    item.content = rest; // SplitLeft left it trimmed
    return item;
}

QString ItemLine(const ContainerItem& item)
{
    QString line = item.name + u' ' + QString::number(item.left) + u' ' + QString::number(item.top);
    if (!item.content.isEmpty()) line += u' ' + item.content;
    return line;
}

} // namespace

ContainerData ParseContainer(const QStringList& lines)
{
    ContainerData data;
    if (lines.isEmpty()) {
        data.error = QStringLiteral("файл пуст");
        return data;
    }
    try {
        data.sizes = ReadSizes(lines.first());
        QList<ContainerItem>* section = &data.senders;
        for (int i = 1; i < lines.size(); ++i) {
            const QString line = base::Trim(lines[i]);
            if (line.isEmpty()) continue;
            if (line == kTargetsLine) {
                section = &data.targets;
            } else if (line == kSendersLine) {
                section = &data.senders;
            } else {
                section->append(ReadItem(line, i + 1));
            }
        }
    } catch (const LineError& error) {
        data.error = error.message;
    }
    return data;
}

QStringList ContainerLines(const ContainerData& data)
{
    const ContainerSizes& s = data.sizes;
    QStringList lines{QStringLiteral("%1 %2 %3 %4 %5")
                          .arg(s.panelHeight).arg(s.targetWidth).arg(s.targetExtra)
                          .arg(s.senderWidth).arg(s.senderHeight)};
    lines.append(kTargetsLine);
    for (const ContainerItem& item : data.targets) lines.append(ItemLine(item));
    lines.append(kSendersLine);
    for (const ContainerItem& item : data.senders) lines.append(ItemLine(item));
    return lines;
}

} // namespace tasks
