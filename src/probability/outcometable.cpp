#include "probability/outcometable.h"
#include "probability/palette.h"
#include <algorithm>
#include <cstring>

namespace probability {
namespace {

constexpr int kValueRange = kMaxElements + 1; // values 0 ... 120
constexpr int kUnlimited = kMaxElements + 1;  // more than any k can use up
using Capacity = std::array<int, kValueRange>;
using ColourCounts = std::array<int, kColorCount>;

// Walks the sequences of k values in lexicographic order, each value used at
// most its capacity times, optionally only non-decreasing ones. A value is
// placed only when the positions after it can still be filled, so the walk
// never runs into a dead end.
class SequenceWalker {
public:
    SequenceWalker(const Capacity& capacity, int k, bool nonDecreasing)
        : m_remaining(capacity), m_k(k), m_nonDecreasing(nonDecreasing)
    {
        for (int v = 0; v < kValueRange; ++v) {
            m_totalRemaining += capacity[v];
            if (capacity[v] > 0) m_end = v + 1;
        }
    }

    bool First(uint8_t* row) { return Fill(0, row); }

    bool Next(uint8_t* row)
    {
        for (int p = m_k - 1; p >= 0; --p) {
            Release(row[p]);
            const int start = std::max(row[p] + 1, Floor(p, row));
            const int value = SmallestPlaceable(p, start);
            if (value >= 0) {
                Take(value, row, p);
                return Fill(p + 1, row);
            }
        }
        return false;
    }

private:
    int Floor(int p, const uint8_t* row) const { return m_nonDecreasing && p > 0 ? row[p - 1] : 0; }

    bool Fill(int from, uint8_t* row)
    {
        for (int p = from; p < m_k; ++p) {
            const int value = SmallestPlaceable(p, Floor(p, row));
            if (value < 0) return false;
            Take(value, row, p);
        }
        return true;
    }

    // The smallest value >= start that position p may take, -1 when none.
    int SmallestPlaceable(int p, int start) const
    {
        const int left = m_k - p - 1; // positions still to fill after p
        if (!m_nonDecreasing) {
            if (m_totalRemaining - 1 < left) return -1;
            for (int v = start; v < m_end; ++v)
                if (m_remaining[v] > 0) return v;
            return -1;
        }
        // Non-decreasing: the later positions can use only values >= v.
        int suffix = 0;
        for (int v = start; v < m_end; ++v) suffix += m_remaining[v];
        for (int v = start; v < m_end; ++v) {
            if (m_remaining[v] > 0 && suffix - 1 >= left) return v;
            suffix -= m_remaining[v];
        }
        return -1;
    }

    void Take(int value, uint8_t* row, int p)
    {
        row[p] = uint8_t(value);
        --m_remaining[value];
        --m_totalRemaining;
    }

    void Release(int value)
    {
        ++m_remaining[value];
        ++m_totalRemaining;
    }

    Capacity m_remaining;
    int m_totalRemaining = 0;
    int m_end = 0; // values from here on are never available
    int m_k;
    bool m_nonDecreasing;
};

void GenerateRows(const Capacity& capacity, int k, bool nonDecreasing, OutcomeTable& table)
{
    table.RowCount = 0;
    table.Cut = false;
    SequenceWalker walker(capacity, k, nonDecreasing);
    OutcomeRow row{};
    if (!walker.First(row.data())) return;
    do {
        if (table.RowCount == kMaxRows) {
            table.Cut = true;
            return;
        }
        table.Rows[table.RowCount++] = row;
    } while (walker.Next(row.data()));
}

ColourCounts CountColours(const ModelParams& model)
{
    ColourCounts counts{};
    for (int e = 1; e <= model.n; ++e) ++counts[model.colors[e] % kColorCount];
    return counts;
}

Capacity CapacityOf(const ModelParams& model, int view, const ColourCounts& counts)
{
    const bool once = WithoutReplacement(model.kind);
    Capacity capacity{};
    if (IsColourView(view)) {
        for (int c = 0; c < kColorCount; ++c)
            capacity[c] = once ? counts[c] : (counts[c] > 0 ? kUnlimited : 0);
    } else {
        for (int v = 1; v <= model.n; ++v) capacity[v] = once ? 1 : kUnlimited;
    }
    return capacity;
}

double BinomialReal(int n, int k)
{
    const int kk = std::min(k, n - k);
    double c = 1;
    for (int i = 0; i < kk; ++i) c = c * (n - i) / (i + 1);
    return c;
}

// Probability of one row of the table of the given view.
double RowProbability(const ModelParams& model, int view, const ColourCounts& counts, const uint8_t* row)
{
    const int n = model.n, k = model.k;
    const bool once = WithoutReplacement(model.kind);
    double p = 1;
    int run = 0; // how many times row[j] occurred so far in a sorted row
    ColourCounts remaining = counts;
    for (int j = 0; j < k; ++j) {
        run = j > 0 && row[j] == row[j - 1] ? run + 1 : 1;
        switch (view) {
        case 0: p /= once ? n - j : n; break;
        case 1: if (!once) p *= double(j + 1) / run / n; break;
        case 2:
            if (once) p *= double(remaining[row[j]]--) / (n - j);
            else p *= double(counts[row[j]]) / n;
            break;
        default: // 3: a product of C(count, multiplicity) or a multinomial term
            if (once) p *= double(counts[row[j]] - run + 1) / run;
            else p *= double(j + 1) / run * counts[row[j]] / n;
            break;
        }
    }
    if (once && IsUnordered(view)) p = (view == 1 ? 1.0 : p) / BinomialReal(n, k);
    return p;
}

} // namespace

bool WithoutReplacement(int kind) { return kind == kBallsWithoutReplacement; }

int OutcomeTable::Find(const uint8_t* values, int k) const
{
    // Rows are generated in lexicographic order and differ from each other,
    // so a binary search finds what a scan of the rows would find.
    const auto end = Rows.begin() + RowCount;
    const auto it = std::lower_bound(Rows.begin(), end, values, [k](const OutcomeRow& row, const uint8_t* key) {
        return std::memcmp(row.data(), key, size_t(k)) < 0;
    });
    if (it == end || std::memcmp(it->data(), values, size_t(k)) != 0) return -1;
    return int(it - Rows.begin());
}

int ElementTableTotal(const ModelParams& model, int view)
{
    const int64_t n = model.n, k = model.k;
    const bool once = WithoutReplacement(model.kind);
    int64_t total = 1;
    if (!IsUnordered(view)) {
        // n^k, or A(n, k) = n (n - 1) ... (n - k + 1)
        for (int64_t i = 0; i < k; ++i) {
            total *= once ? n - i : n;
            if (total > kSaturatedTotal) return kSaturatedTotal;
        }
    } else if (!once) {
        // C(n + k - 1, k); every partial product C(n + i - 1, i) is an integer
        for (int64_t i = 1; i <= k; ++i) {
            total = total * (n + i - 1) / i;
            if (total > kSaturatedTotal) return kSaturatedTotal;
        }
    } else {
        // C(n, k) with the shorter of k and n - k; partial products grow
        const int64_t kk = std::min(k, n - k);
        for (int64_t i = 0; i < kk; ++i) {
            total = total * (n - i) / (i + 1);
            if (total > kSaturatedTotal) return kSaturatedTotal;
        }
    }
    return int(total);
}

void BuildOutcomeTables(const ModelParams& model, OutcomeTables& tables)
{
    for (OutcomeTable& table : tables) {
        table.RowCount = 0;
        table.Total = 0;
        table.Cut = false;
        table.ClearFrequencies();
    }
    if (model.kind == kNoModel) return;
    const ColourCounts counts = CountColours(model);
    for (int view = 0; view < kTableCount; ++view) {
        OutcomeTable& table = tables[view];
        GenerateRows(CapacityOf(model, view, counts), model.k, IsUnordered(view), table);
        if (IsColourView(view)) {
            table.Total = table.RowCount;
        } else {
            table.Total = ElementTableTotal(model, view);
            table.Cut = table.RowCount < table.Total;
        }
        for (int r = 0; r < table.RowCount; ++r)
            table.Probability[r] = RowProbability(model, view, counts, table.Rows[r].data());
    }
}

void UnrankSequence(int n, int k, int64_t rank, uint8_t* out)
{
    for (int p = k - 1; p >= 0; --p) {
        out[p] = uint8_t(rank % n + 1);
        rank /= n;
    }
}

void UnrankArrangement(int n, int k, int64_t rank, uint8_t* out)
{
    std::array<bool, kMaxElements + 1> used{};
    for (int p = 0; p < k; ++p) {
        // Arrangements of the positions after p, each value of p heading as many.
        int64_t divisor = 1;
        for (int s = p + 1; s < k; ++s) divisor *= n - s;
        int64_t skip = rank / divisor;
        rank %= divisor;
        for (int v = 1; v <= n; ++v) {
            if (used[v]) continue;
            if (skip-- == 0) {
                used[v] = true;
                out[p] = uint8_t(v);
                break;
            }
        }
    }
}

} // namespace probability
