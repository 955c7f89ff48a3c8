// The data analysis lab's section of a lab file from arbitrary bytes: reading
// either succeeds or refuses with a LineError, never crashes or hangs; a
// section that was read writes back to lines that read to the same series,
// and the lab computes the points, labels and statistics of every series.
// Build and run: see cmake/Orindo.cmake (target datasection_fuzz).
#include "base/apperror.h"
#include "base/textfile.h"
#include "dataanalysis/datalab.h"
#include "dataanalysis/datasection.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QStringList lines =
        base::SplitLines(base::DecodeCp1251(QByteArray(reinterpret_cast<const char*>(data), int(size))));
    std::vector<dataanalysis::DataSeries> series;
    try {
        series = dataanalysis::ReadDataSection(lines, 1);
    } catch (const base::LineError&) {
        return 0;
    }
    if (dataanalysis::ReadDataSection(dataanalysis::DataSectionLines(series), 1) != series) std::abort();
    dataanalysis::DataLab lab;
    lab.sheet().edit({1, 1}, QStringLiteral("1"));
    lab.SetSeries(series);
    for (int i = 0; i < int(lab.series().size()); ++i) {
        if (lab.Values(i).size() != size_t(lab.series()[size_t(i)].data.cellCount())) std::abort();
        lab.Labels(i);
    }
    dataanalysis::StatisticsTable(lab);
    return 0;
}
