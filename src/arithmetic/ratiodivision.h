#pragma once
#include <QList>

// A quantity divided among members in a ratio: PartCount equal parts on a
// ruler, each member holding a whole number of them, shown as grid columns
// whose widths are the members' shares of the ruler. Dragging the border
// between two neighbours moves parts from one to the other.
//
// The pupil's distribution survives a change of the ruler's width (a resized
// window, another mode): only the pixels per part change. A new member or
// part count starts a new distribution: all but one part to the first member.
namespace arithmetic {

constexpr int kMaxMembers = 100;
constexpr int kMaxParts = 100;
constexpr int kMinVolume = 1;
constexpr int kMaxVolume = 1000;

class RatioDivision {
public:
    RatioDivision();

    int Members() const { return m_parts.size(); }
    int PartCount() const { return m_partCount; }
    int Volume() const { return m_volume; }
    double PixelsPerPart() const { return m_pixelsPerPart; }
    // Volume / PartCount: the amount of one part.
    double PartValue() const { return double(m_volume) / m_partCount; }
    // Parts of member k (1-based).
    int MemberParts(int k) const { return m_parts[k - 1]; }
    const QList<int>& AllMemberParts() const { return m_parts; }
    // The width given to member k's column by the last UpdateColumns.
    int ColumnWidth(int k) const { return m_widths[k - 1]; }
    const QList<int>& ColumnWidths() const { return m_widths; }

    // m members (1..100; other values are ignored); the part count rises to
    // m when it is lower. A new distribution starts.
    void SetMembers(int m);
    // p parts (1..100; other values are ignored), never fewer than the
    // members, so that each holds at least one. A new distribution starts.
    // Returns the part count now in force.
    int SetPartCount(int p);
    // 1..1000; other values are ignored.
    void SetVolume(int v);
    // The ruler's width in pixels; the distribution stays.
    void SetRulerWidth(int width);
    // Parts as a lab file gives them; false, changing nothing, unless there
    // is one positive count per member and they add up to PartCount.
    bool SetMemberParts(const QList<int>& parts);

    // The pixel of the ruler's line a (0..PartCount).
    int PartLine(int a) const;
    // Recomputes the members' column widths from their parts.
    void UpdateColumns();
    // The pupil released a column border: widths are the columns' widths
    // now. The first member column whose width changed gives its border to
    // the nearest part line, moving parts between it and its right
    // neighbour, as long as both keep at least one. The last column's right
    // border cannot move. Columns snap back to the ruler (UpdateColumns)
    // either way. True when the parts changed.
    bool DragBorder(const QList<int>& widths);

private:
    void resetDistribution();

    QList<int> m_parts;
    QList<int> m_widths;
    int m_partCount = 10;
    int m_volume = 100;
    int m_rulerWidth = 1;
    double m_pixelsPerPart = 0;
};

} // namespace arithmetic
