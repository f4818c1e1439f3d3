// Runs files through a fuzz target without libFuzzer: every file named, and every file inside a
// directory named, once each, in name order. A failed check aborts, naming the file it was on.
//   TARGET_fuzzer FILE|DIRECTORY ...
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> InputFiles(const std::filesystem::path& argument) {
  if (!std::filesystem::is_directory(argument)) return {argument};
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(argument))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

bool Replay(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  const std::string bytes((std::istreambuf_iterator<char>(in)), {});
  std::fprintf(stderr, "replaying %s\n", file.c_str());
  // Handed over in a buffer of exactly the input's size, so that a read past its end is caught.
  const auto data = std::make_unique<std::uint8_t[]>(bytes.size());
  std::copy(bytes.begin(), bytes.end(), data.get());
  LLVMFuzzerTestOneInput(data.get(), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s FILE|DIRECTORY ...\n", argv[0]);
    return 2;
  }
  std::size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    std::error_code error;
    if (!std::filesystem::exists(argv[i], error)) {
      std::fprintf(stderr, "%s: no such file or directory\n", argv[i]);
      return 2;
    }
    for (const std::filesystem::path& file : InputFiles(argv[i])) {
      if (!Replay(file)) {
        std::fprintf(stderr, "%s: cannot be read\n", file.c_str());
        return 2;
      }
      ++replayed;
    }
  }
  std::fprintf(stderr, "replayed %zu inputs, every check held\n", replayed);
  return replayed == 0 ? 2 : 0;
}
