#pragma once
#include "plane/functions.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

// The list of a plane's graphs and equations, the parameters their formulas
// share, and the domain as the formula editor shows it.
namespace plane {

// The outcome of a change of a parameter: the message for the pupil when it
// was refused (the old value then stays).
struct ParameterChange {
    bool Done = false;
    QString Message;
};

// The algebraic objects of a plane in creation order. Derived graphs always
// come after their sources, so no chain of them can go round in a cycle.
class FunctionList {
public:
    FunctionList();
    ~FunctionList();
    // A move takes the objects; the target keeps its own listener (SetOnRemove).
    FunctionList(FunctionList&&) noexcept;
    FunctionList& operator=(FunctionList&&) noexcept;

    int Count() const { return int(m_objects.size()); }
    TAlgebra* At(int index) const { return m_objects[size_t(index)].get(); }
    // -1 for an object not in the list.
    int IndexOf(const TAlgebra* object) const;
    // The graphs (not the equations), in list order.
    std::vector<TFunction*> Functions() const;

    TFunctionFormula* AddFormula(const QString& text, const PlaneScene& params, base::Bgr colour);
    TEquation* AddEquation(const QString& text, const PlaneScene& params, base::Bgr colour);
    // kind is one of the three FunctionArray kinds; nullptr otherwise.
    TFunctionArray* AddArray(AlgebraKind kind, base::Bgr colour);
    TFunctionKoeffPolynom* AddKoeffPolynom(std::vector<double> coefficients, base::Bgr colour);
    // nullptr when the source is not in this list or param is not finite.
    TDerivative* AddDerivative(TFunction& source, DerivedType type, double param, base::Bgr colour);

    // Removes the object and every graph derived from it, directly or not.
    void Delete(TAlgebra* object);
    void Clear();
    // Called with every object Delete, Clear or a move into this list is about to free, so that
    // what refers to it (points on a graph, the graph under the mouse) can
    // let go first.
    void SetOnRemove(std::function<void(const TAlgebra&)> onRemove) { m_onRemove = std::move(onRemove); }

    // The parameters of every object, in list order, each once.
    QStringList ParameterNames() const;
    // The parameter name gets the value typed in valueText (decimal comma),
    // in the scene and in every object that reads it.
    ParameterChange SetParameter(PlaneScene& scene, const QString& name, const QString& valueText);
    // The parameter changes by step; a result within 1e-6 of 0 becomes 0.
    ParameterChange StepParameter(PlaneScene& scene, const QString& name, double step);
    // Every object reads the scene's parameters again (after loading).
    void ApplyParameters(const PlaneScene& scene);

    // Later: formulas added from now on wait for CompileAll, so that a scene
    // being read builds the compiler once, not once per formula.
    void SetCompilation(Compilation compilation) { m_compilation = compilation; }
    // Compiles the formula of every graph and equation that can be
    // evaluated, with one build.
    void CompileAll();

private:
    template <class T> T* Append(std::unique_ptr<T> object);
    ParameterChange Apply(PlaneScene& scene, const QString& name, double value);

    std::vector<std::unique_ptr<TAlgebra>> m_objects;
    Compilation m_compilation = Compilation::Now;
    std::function<void(const TAlgebra&)> m_onRemove;
};

// The domain as the formula editor shows it: "[lower;upper]" with the
// decimal comma, an unrestricted end written as minus or plus infinity.
QString DomainEditText(const TFunction& f);
// The domain from the editor's text: the part before the first ";" with "]"
// and "[" with the part after it are evaluated as formulas; an end that does
// not evaluate to a number (a letter among them included) is unrestricted.
std::pair<double, double> DomainFromEditText(const QString& text);

} // namespace plane
