#include "common/TextUtil.h"
#include "nmea/Catalog.h"

#include <benchmark/benchmark.h>

namespace {

// The image compiler looks up every rule's field; 100 rules must stay far below a millisecond.
void BM_GetIndexDataField(benchmark::State& state)
{
    const auto catalog = birch::Catalog::Init_NMEA0183_Map();
    const std::string field = birch::upperAscii("Reference datum code [string of 3 characters]");
    for (auto _ : state)
        benchmark::DoNotOptimize(catalog.GetIndexDataField(38, field));
}
BENCHMARK(BM_GetIndexDataField);

void BM_Init_NMEA0183_Map(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(birch::Catalog::Init_NMEA0183_Map());
}
BENCHMARK(BM_Init_NMEA0183_Map);

} // namespace
