#pragma once
#include <QString>
#include <optional>

// The segment of the natural series whose divisor counts the row of squares
// shows, and the count picked out in red. Its ends come from two fields of
// at most seven digits, so the largest number shown is 9 999 999; a segment
// holds at most 10 001 numbers, and the end the pupil did not edit moves.
namespace arithmetic {

constexpr int kSegmentDigits = 7;
constexpr long long kMaxSegmentSpan = 10000;

class DivisorSegment {
public:
    long long Min() const { return m_min; }
    long long Max() const { return m_max; }
    int Target() const { return m_target; }

    // The first number changed to text. Text that is no natural number of at
    // most seven digits changes nothing. Returns the new text of the last
    // number's field when the segment grew too long and that end moved.
    std::optional<QString> SetMinText(const QString& text);
    // The same for the last number; returns the first number's new text.
    std::optional<QString> SetMaxText(const QString& text);
    // The divisor count to pick out: the integer in text, 0 when there is none.
    void SetTargetText(const QString& text);

    // One row per number of the segment; a single row (the first number)
    // when the first is not below the last.
    int RowCount() const;
    long long NumberAt(int row) const { return m_min + row; }
    bool PickedOut(long long number) const;

private:
    long long m_min = 1;
    long long m_max = 1000;
    int m_target = 0;
};

} // namespace arithmetic
