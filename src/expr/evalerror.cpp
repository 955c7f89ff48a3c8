#include "expr/evalerror.h"

namespace expr {

QString FaultMessage(Fault fault)
{
    switch (fault) {
    case Fault::None: return QString();
    case Fault::NotInODZ: return QStringLiteral("NotInODZ");
    case Fault::ZeroDivide: return QStringLiteral("Деление на ноль");
    case Fault::Overflow: return QStringLiteral("Переполнение при вычислении");
    case Fault::InvalidOp: return QStringLiteral("Недопустимая операция при вычислении");
    case Fault::BadNumber: return QStringLiteral("Неверная запись числа");
    case Fault::UnknownParameter: return QStringLiteral("Параметр не найден");
    case Fault::Syntax: return QStringLiteral("Ошибка в записи выражения");
    }
    return QString();
}

void RaiseFault(Fault fault)
{
    throw EvalError(fault, FaultMessage(fault));
}

QString UnknownParameterMessage(const QString& name)
{
    return QStringLiteral("Параметр ") + name + QStringLiteral(" в списке не найден");
}

QString BadNumberMessage(const QString& text)
{
    return u'«' + text + QStringLiteral("» не является числом");
}

} // namespace expr
