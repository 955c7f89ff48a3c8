#include "labframe/file/labtable.h"

namespace labframe {

const QList<LabInfo>& LabTable()
{
    static const QList<LabInfo> table{
        {1, QStringLiteral("Делимость чисел")},
        {2, QStringLiteral("Координатная прямая")},
        {3, QStringLiteral("Графики функций")},
        {4, QStringLiteral("Планиметрия")},
        {5, QStringLiteral("Тригонометрия")},
        {6, QStringLiteral("Координатная плоскость")},
        {11, QStringLiteral("Графики уравнений и неравенств")},
        {13, QStringLiteral("Стереометрия")},
        {14, QStringLiteral("Дроби и проценты")},
        {16, QStringLiteral("Вероятностные модели")},
        {17, QStringLiteral("Анализ данных")},
        {19, QStringLiteral("Математика и компьютер")},
    };
    return table;
}

QString LabCaption(int number)
{
    for (const LabInfo& info : LabTable())
        if (info.number == number) return info.caption;
    return {};
}

bool IsLabNumber(int number) { return !LabCaption(number).isEmpty(); }

} // namespace labframe
