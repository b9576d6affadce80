// Codec throughput beside a plain memcpy of the same bytes. The counter
// "x_memcpy" is how many times longer than memcpy one pass takes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <string>

#include "support/cp932.h"

namespace support {
namespace {

// About 1 MB of month-file lines: numbers, commas, kana and kanji.
std::string SampleUtf8() {
  std::string text;
  for (int i = 0; text.size() < (1 << 20); ++i) {
    text += std::to_string(i % 31 + 1) + ",0,,会議 第" + std::to_string(i) +
            "回 ﾃｽﾄ打ち合わせ（本社３階）,$00FF0000,,,,,\r\n";
  }
  return text;
}

double MemcpySeconds(const std::string& bytes, int rounds) {
  std::string copy(bytes.size(), '\0');
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < rounds; ++i) {
    std::memcpy(copy.data(), bytes.data(), bytes.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

template <typename Convert>
void Measure(benchmark::State& state, const std::string& input, Convert convert) {
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) benchmark::DoNotOptimize(convert(input));
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const auto rounds = static_cast<double>(state.iterations());
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * input.size()));
  state.counters["x_memcpy"] = seconds / rounds / MemcpySeconds(input, 200);
}

void BM_Cp932Decode(benchmark::State& state) {
  const std::string cp932 = Utf8ToCp932(SampleUtf8());
  Measure(state, cp932, [](const std::string& s) { return Cp932ToUtf8(s); });
}
BENCHMARK(BM_Cp932Decode);

void BM_Cp932Encode(benchmark::State& state) {
  const std::string cp932 = Utf8ToCp932(SampleUtf8());
  // Measured on the same CP932 bytes as decoding: its UTF-8 form is encoded.
  const std::string utf8 = Cp932ToUtf8(cp932);
  Measure(state, utf8, [](const std::string& s) { return Utf8ToCp932(s); });
}
BENCHMARK(BM_Cp932Encode);

void BM_Memcpy(benchmark::State& state) {
  const std::string cp932 = Utf8ToCp932(SampleUtf8());
  std::string copy(cp932.size(), '\0');
  for (auto _ : state) {
    std::memcpy(copy.data(), cp932.data(), cp932.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * cp932.size()));
}
BENCHMARK(BM_Memcpy);

}  // namespace
}  // namespace support
