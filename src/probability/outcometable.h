#pragma once
#include <array>
#include <cstdint>

// The outcome tables of a classical probability model: coins, dice, or an urn
// of coloured balls drawn with or without replacement. Every table lists its
// rows in lexicographic order and keeps at most kMaxRows of them.
namespace probability {

constexpr int kMaxElements = 120;           // n and k are 1 ... 120
constexpr int kMaxRows = 1000;              // rows kept per table
constexpr int kSaturatedTotal = 2147483647; // a total that does not fit into 32 bits
constexpr int kTableCount = 4;

enum ModelKind : int {
    kNoModel = 0,
    kCoins = 1,
    kDice = 2,
    kBallsWithReplacement = 3,
    kBallsWithoutReplacement = 4,
};

// A view is the number of a table: bit 0 set = order not taken into account,
// bit 1 set = only the colours are told apart.
constexpr bool IsUnordered(int view) { return (view & 1) != 0; }
constexpr bool IsColourView(int view) { return (view & 2) != 0; }

using OutcomeRow = std::array<uint8_t, kMaxElements>;

struct OutcomeTable {
    int RowCount = 0;
    // Element tables: the true number of outcomes, kSaturatedTotal when it
    // does not fit. Colour tables: the number of rows generated.
    int Total = 0;
    // Generation stopped at kMaxRows although further outcomes exist.
    bool Cut = false;
    std::array<OutcomeRow, kMaxRows> Rows{};
    std::array<double, kMaxRows> Probability{};
    std::array<int32_t, kMaxRows> Frequency{};

    bool Saturated() const { return Total == kSaturatedTotal; }
    // The row whose first k values equal values; -1 when there is none.
    int Find(const uint8_t* values, int k) const;
    void ClearFrequencies() { Frequency.fill(0); }
};

using OutcomeTables = std::array<OutcomeTable, kTableCount>;

struct ModelParams {
    int kind = kNoModel;
    int n = 2;
    int k = 2;
    // Colour index 0 ... 9 of element 1 ... n (index 0 unused).
    std::array<uint8_t, kMaxElements + 1> colors{};
};

bool WithoutReplacement(int kind);

// Total of an element table (view 0 or 1) by exact integer arithmetic,
// kSaturatedTotal when it exceeds 2147483647.
int ElementTableTotal(const ModelParams& model, int view);

// Builds all four tables of the model (frequencies cleared). Kind 0 gives
// empty tables.
void BuildOutcomeTables(const ModelParams& model, OutcomeTables& tables);

// Outcome of the given rank (0-based, lexicographic) among all sequences of
// k values from 1 ... n, and among all arrangements of k distinct values.
void UnrankSequence(int n, int k, int64_t rank, uint8_t* out);
void UnrankArrangement(int n, int k, int64_t rank, uint8_t* out);

} // namespace probability
