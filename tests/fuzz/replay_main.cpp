// Runs a fuzz target without libFuzzer: every file of the given folders, then
// a fixed number of deterministic mutations of each (bit flips, truncations,
// inserted and repeated bytes). Exits non-zero only if the target crashes,
// which the sanitizers or the OS make visible.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
using Bytes = std::vector<uint8_t>;

void run(const Bytes& b) { LLVMFuzzerTestOneInput(b.data(), b.size()); }

Bytes mutate(const Bytes& in, std::mt19937& rng) {
  Bytes b = in;
  const auto pick = [&](size_t n) { return n == 0 ? size_t{0} : std::uniform_int_distribution<size_t>(0, n - 1)(rng); };
  switch (rng() % 6) {
    case 0:  // flip some bits
      for (int i = 0; i < 4 && !b.empty(); ++i) b[pick(b.size())] ^= static_cast<uint8_t>(1u << (rng() % 8));
      break;
    case 1:  // truncate
      b.resize(pick(b.size() + 1));
      break;
    case 2:  // overwrite a 32-bit field with an extreme value
      if (b.size() >= 4) {
        static const uint32_t extremes[] = {0u, 1u, 0x7fffffffu, 0x80000000u, 0xffffffffu, 0x10000u, 8u};
        const uint32_t v = extremes[rng() % std::size(extremes)];
        const size_t at = pick(b.size() - 3) & ~size_t{3};
        for (int k = 0; k < 4; ++k) b[at + k] = static_cast<uint8_t>(v >> (8 * k));
      }
      break;
    case 3:  // insert random bytes
      b.insert(b.begin() + static_cast<long>(pick(b.size() + 1)), rng() % 16 + 1, static_cast<uint8_t>(rng()));
      break;
    case 4:  // repeat a slice
      if (!b.empty()) {
        const size_t from = pick(b.size());
        const size_t len = std::min<size_t>(b.size() - from, rng() % 64 + 1);
        Bytes slice(b.begin() + static_cast<long>(from), b.begin() + static_cast<long>(from + len));
        b.insert(b.begin() + static_cast<long>(pick(b.size() + 1)), slice.begin(), slice.end());
      }
      break;
    default:  // random byte values
      for (int i = 0; i < 8 && !b.empty(); ++i) b[pick(b.size())] = static_cast<uint8_t>(rng());
      break;
  }
  return b;
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<Bytes> seeds;
  for (int i = 1; i < argc; ++i) {
    std::error_code ec;
    if (!std::filesystem::is_directory(argv[i], ec)) continue;
    for (const auto& e : std::filesystem::directory_iterator(argv[i])) {
      std::ifstream f(e.path(), std::ios::binary);
      seeds.emplace_back(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
  }
  seeds.emplace_back();  // the empty input
  std::mt19937 rng(20261208);
  size_t runs = 0;
  for (const Bytes& s : seeds) {
    run(s);
    Bytes cur = s;
    for (int i = 0; i < 400; ++i, ++runs) {
      cur = (i % 8 == 0) ? s : mutate(cur, rng);
      run(cur);
    }
  }
  std::printf("replayed %zu seeds, %zu mutations\n", seeds.size(), runs);
  return 0;
}
