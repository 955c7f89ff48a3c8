#pragma once
#include "plane/functionlist.h"
#include "plane/recordline.h"
#include <QString>

// The records of graphs and equations in the plane engine's lab-file
// section: the tag, the relation and colour ("=255"), for graphs the domain,
// then the kind's data (points, coefficients, source and transformation,
// or the formula's bracket text).
namespace plane {

// The record line of an object of the list.
QString AlgebraRecord(const FunctionList& list, const TAlgebra& object);

// Reads the record when tag is one of the algebra tags and appends the
// object to the list; false (nothing read) for any other tag. Formulas take
// their parameters from params. A record that cannot be read throws
// SceneFormatError through record.Fail.
bool ReadAlgebraRecord(const QString& tag, RecordLine& record, FunctionList& list, const PlaneScene& params);

} // namespace plane
