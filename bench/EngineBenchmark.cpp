// Throughput of the four conversions on 50 MB of table kana, and on the cipher text made from it.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/TableKana.h"
#include "cipher/ConversionCommand.h"

namespace {

constexpr std::size_t kInputBytes = 50'000'000;

const std::string& PlainText(int kind) {
  static const std::string nisendoka = RandomTableKana(kCipherNisendoka, kInputBytes);
  static const std::string soroban = RandomTableKana(kCipherSoroban, kInputBytes);
  return kind == kCipherNisendoka ? nisendoka : soroban;
}

const std::string& CipherText(int kind) {
  static const std::string nisendoka =
      ExecuteConversion(kCipherNisendoka, kDirectionEncrypt, PlainText(kCipherNisendoka)).output;
  static const std::string soroban =
      ExecuteConversion(kCipherSoroban, kDirectionEncrypt, PlainText(kCipherSoroban)).output;
  return kind == kCipherNisendoka ? nisendoka : soroban;
}

void Convert(benchmark::State& state, int kind, int direction) {
  const std::string& input = direction == kDirectionEncrypt ? PlainText(kind) : CipherText(kind);
  for (auto _ : state) {
    ConversionOutcome outcome = ExecuteConversion(kind, direction, input);
    if (!outcome.result) state.SkipWithError("the input did not convert");
    benchmark::DoNotOptimize(outcome.output.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
  state.counters["input_MB"] = static_cast<double>(input.size()) / 1e6;
}

}  // namespace

BENCHMARK_CAPTURE(Convert, nisendoka_encrypt, kCipherNisendoka, kDirectionEncrypt)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Convert, nisendoka_decrypt, kCipherNisendoka, kDirectionDecrypt)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Convert, soroban_encrypt, kCipherSoroban, kDirectionEncrypt)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Convert, soroban_decrypt, kCipherSoroban, kDirectionDecrypt)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
