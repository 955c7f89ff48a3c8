#pragma once
#include <QList>
#include <QString>

// The lab numbers of the course and their captions.
namespace labframe {

struct LabInfo {
    int number;
    QString caption;
};

// The twelve labs of the course, in number order.
const QList<LabInfo>& LabTable();
bool IsLabNumber(int number);
// The caption of a lab number; empty outside the table.
QString LabCaption(int number);

} // namespace labframe
