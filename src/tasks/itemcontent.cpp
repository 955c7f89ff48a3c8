#include "tasks/itemcontent.h"
#include "formulas/view/drawing.h"
#include "formulas/formula.h"
#include <QFontMetrics>
#include <QPainter>

namespace tasks {

namespace {

bool ShowsFormula(const formulas::TFormula& formula, const QString& content)
{
    return IsFormulaContent(content) && formula.Root() && formula.Root()->Count() > 0;
}

// The formula font at the card's size, for the time of one measure or draw.
class FormulaCanvas {
public:
    explicit FormulaCanvas(QPainter& painter) : m_painter(painter)
    {
        m_painter.save();
        m_painter.setFont(formulas::FormulaFont(formulas::CanvasFontSize(painter)));
    }
    ~FormulaCanvas() { m_painter.restore(); }
    FormulaCanvas(const FormulaCanvas&) = delete;
    FormulaCanvas& operator=(const FormulaCanvas&) = delete;

private:
    QPainter& m_painter;
};

} // namespace

bool IsFormulaContent(const QString& content) { return content.startsWith(u'['); }

QSize ContentSize(QPainter& painter, formulas::TFormula& formula, const QString& content)
{
    if (!ShowsFormula(formula, content)) {
        const QFontMetrics metrics(painter.font());
        return {metrics.horizontalAdvance(content), metrics.height()};
    }
    const FormulaCanvas canvas(painter);
    int width = 0, height = 0;
    formulas::Measure(formula, painter, width, height);
    return {width, height};
}

void DrawContent(QPainter& painter, formulas::TFormula& formula, const QString& content, int x, int y)
{
    if (!ShowsFormula(formula, content)) {
        const QFontMetrics metrics(painter.font());
        painter.drawText(x, y + metrics.ascent(), content);
        return;
    }
    const FormulaCanvas canvas(painter);
    formulas::Draw(formula, painter, x, y);
}

} // namespace tasks
