#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The container file (".CNT") of a drag-and-drop answer area, as plain data.
//
//   <panel height> <TargetWidth> <TargetExtra> <SenderWidth> <SenderHeight>
//   TARGETS:
//   <name> <left> <top> <content>      one line per place
//   SENDERS:
//   <name> <left> <top> <content>      one line per card
//
// Lines before the first switch line are cards. The content is the rest of
// the line: a formula in bracket notation when it begins with "[", otherwise
// plain text. Names, left and top hold no blanks.
namespace tasks {

struct ContainerItem {
    QString name;
    int left = 0;
    int top = 0;
    QString content;
    bool operator==(const ContainerItem&) const = default;
};

struct ContainerSizes {
    int panelHeight = 0;
    int targetWidth = 0;
    int targetExtra = 0;   // height of a place's label strip below its card area
    int senderWidth = 0;
    int senderHeight = 0;
    bool operator==(const ContainerSizes&) const = default;
};

struct ContainerData {
    ContainerSizes sizes;
    QList<ContainerItem> targets;
    QList<ContainerItem> senders;
    // Empty when the whole file was read; otherwise why reading stopped. What
    // came before the faulty line is kept.
    QString error;
};

inline const QString kTargetsLine = QStringLiteral("TARGETS:");
inline const QString kSendersLine = QStringLiteral("SENDERS:");

// The largest size and the farthest position a file may give; beyond them the
// file is taken as damaged rather than building a giant area.
inline constexpr int kMaxContainerSize = 10000;
inline constexpr int kMaxContainerPosition = 100000;

// Reads the lines of a container file. Blank lines are skipped; an empty
// section is simply empty. A line that does not read stops the reading with a
// Russian message naming the line.
ContainerData ParseContainer(const QStringList& lines);

// The lines of a container file; an item with empty content ends after its top.
QStringList ContainerLines(const ContainerData& data);

} // namespace tasks
