// Runs a harness over the inputs named, and over count inputs drawn from a seed, where
// libFuzzer cannot run (under ThreadSanitizer): run_inputs [-random=COUNT] FILE...
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  std::mt19937 random(1);
  for (int i = 1; i < argc; ++i) {
    std::vector<std::uint8_t> input;
    if (std::strncmp(argv[i], "-random=", 8) == 0) {
      for (long n = std::strtol(argv[i] + 8, nullptr, 10); n > 0; --n) {
        input.resize(random() % 200);
        for (std::uint8_t& byte : input) byte = static_cast<std::uint8_t>(random());
        LLVMFuzzerTestOneInput(input.data(), input.size());
      }
      continue;
    }
    std::ifstream file(argv[i], std::ios::binary);
    input.assign(std::istreambuf_iterator<char>(file), {});
    if (!file.eof() && !file) return std::fprintf(stderr, "cannot read %s\n", argv[i]), 2;
    LLVMFuzzerTestOneInput(input.data(), input.size());
  }
  return 0;
}
