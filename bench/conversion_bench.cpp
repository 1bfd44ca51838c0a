#include <benchmark/benchmark.h>

#include <cstdint>

#include "color.h"

namespace {

// One conversion per iteration, walking through the inputs so that neither
// the compiler nor the branch predictor sees the same color twice in a row.
void BM_RgbToHsv(benchmark::State& state) {
  uint32_t i = 0;
  for (auto _ : state) {
    i = (i + 0x9E3779u) & 0xFFFFFF;
    colorState.red = uint8_t(i >> 16);
    colorState.green = uint8_t(i >> 8);
    colorState.blue = uint8_t(i);
    RgbToHsv();
    benchmark::DoNotOptimize(colorState.hue);
  }
}
BENCHMARK(BM_RgbToHsv);

void BM_HsvToRgb(benchmark::State& state) {
  uint32_t i = 0, r, g, b;
  for (auto _ : state) {
    i = (i + 0x9E3779u) & 0xFFFFFF;
    HsvToRgb(int32_t(i >> 16), int32_t(i >> 8), int32_t(i), &r, &g, &b);
    benchmark::DoNotOptimize(r);
  }
}
BENCHMARK(BM_HsvToRgb);

// All 2^24 inputs in order; items per second gives conversions per second.
void BM_RgbToHsvSweep(benchmark::State& state) {
  for (auto _ : state) {
    for (uint32_t i = 0; i < (1u << 24); ++i) {
      colorState.red = uint8_t(i >> 16);
      colorState.green = uint8_t(i >> 8);
      colorState.blue = uint8_t(i);
      RgbToHsv();
      benchmark::DoNotOptimize(colorState.hue);
    }
  }
  state.SetItemsProcessed(state.iterations() * (int64_t(1) << 24));
}
BENCHMARK(BM_RgbToHsvSweep)->Unit(benchmark::kMillisecond);

void BM_HsvToRgbSweep(benchmark::State& state) {
  uint32_t r, g, b;
  for (auto _ : state) {
    for (uint32_t i = 0; i < (1u << 24); ++i) {
      HsvToRgb(int32_t(i >> 16), int32_t(i >> 8), int32_t(i), &r, &g, &b);
      benchmark::DoNotOptimize(r);
    }
  }
  state.SetItemsProcessed(state.iterations() * (int64_t(1) << 24));
}
BENCHMARK(BM_HsvToRgbSweep)->Unit(benchmark::kMillisecond);

}  // namespace
