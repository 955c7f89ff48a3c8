// Clicks on a drawn formula: the caret goes into the term under the point,
// found from the boxes the last drawing left on the terms.
#include "formulas/view/drawing.h"
#include "formulas/formula.h"
#include "formulas/terms.h"
#include <cstdlib>

namespace formulas {
namespace {

bool IsText(const TTerm* term) { return term->Kind() == TermKind::Text; }

// Distance from a point to a term's box along x (0 inside its columns).
int DistanceX(const TTerm& term, int x)
{
    if (x < term.Left) return term.Left - x;
    if (x > term.Left + term.Width) return x - term.Left - term.Width;
    return 0;
}

bool Contains(const TTerm& term, int x, int y)
{
    return term.Left < x && x < term.Left + term.Width && term.Top < y && y < term.Top + term.Height;
}

void ClickAtTerm(TTerm& term, int x, int y, QPainter& canvas);

// Hands a click to the child whose box holds it; false when none does.
bool ClickIntoChild(TTerm& term, int x, int y, QPainter& canvas)
{
    for (int k = 1; k <= term.Count(); ++k) {
        TTerm* child = term.Child(k);
        if (CanEnter(child) && Contains(*child, x, y)) {
            ClickAtTerm(*child, x, y, canvas);
            return true;
        }
    }
    return false;
}

// A click on a named term outside its arguments (on a bar, a sign) goes to
// the nearest argument, at its start or end by the side of the click.
void ClickAtNamed(TTerm& term, int x, int y, QPainter& canvas)
{
    if (ClickIntoChild(term, x, y, canvas) || term.Count() == 0) return;
    TTerm* nearest = term.Child(1);
    for (int k = 2; k <= term.Count(); ++k)
        if (DistanceX(*term.Child(k), x) < DistanceX(*nearest, x)) nearest = term.Child(k);
    nearest->Enter(x < nearest->Left + nearest->Width / 2);
}

// A click beside the elements of a sequence (past the end of the formula,
// between two structures) goes to the nearest gap, into the text run on
// either side of it when there is one.
void ClickAtSequence(TTerm& sequence, int x, int y, QPainter& canvas)
{
    if (ClickIntoChild(sequence, x, y, canvas)) return;
    const int n = sequence.Count();
    int gap = 0;
    int best = std::abs(x - sequence.Left);
    int edge = sequence.Left;
    for (int k = 1; k <= n; ++k) {
        edge += sequence.Child(k)->Width;
        if (std::abs(x - edge) < best) {
            best = std::abs(x - edge);
            gap = k;
        }
    }
    if (gap > 0 && IsText(sequence.Child(gap))) {
        sequence.Caret = 2 * gap;
        sequence.Child(gap)->Enter(false);
    } else if (gap < n && IsText(sequence.Child(gap + 1))) {
        sequence.Caret = 2 * gap + 2;
        sequence.Child(gap + 1)->Enter(true);
    } else {
        sequence.Caret = 2 * gap + 1;
        sequence.Owner->SetCurrent(&sequence);
    }
}

// The caret goes to the character boundary nearest to the click.
void ClickAtTextRun(TTerm& run, int x, QPainter& canvas)
{
    const std::vector<int> advances = TextRunAdvances(canvas, run);
    run.Caret = 1;
    int left = run.Left;
    for (int advance : advances) {
        if (left + advance / 2 >= x) break;
        left += advance;
        ++run.Caret;
    }
    run.Owner->SetCurrent(&run);
}

void ClickAtTerm(TTerm& term, int x, int y, QPainter& canvas)
{
    switch (term.Kind()) {
    case TermKind::Sequence: ClickAtSequence(term, x, y, canvas); return;
    case TermKind::Text: ClickAtTextRun(term, x, canvas); return;
    default: ClickAtNamed(term, x, y, canvas); return;
    }
}

} // namespace

void ClickAt(TFormula& formula, int x, int y, QPainter& canvas)
{
    ClickAtTerm(*formula.Root(), x, y, canvas);
    formula.CaretPlaced();
}

} // namespace formulas
