#pragma once
#include <array>

namespace dataanalysislab {

constexpr int kLabNumber = 17;

// The lab's buttons in creation order, as its files name them.
inline constexpr std::array kButtonNames{"btY",     "btX",     "btDel",    "btLine",   "btBar",   "btPie",  "btSort1",
                                         "btSort2", "btSUM",   "btMovAvr", "btCopy",   "btPaste", "btStat"};

} // namespace dataanalysislab
