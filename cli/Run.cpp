#include "cli/Run.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "cli/LineReader.h"
#include "cli/TextConverter.h"

namespace {

constexpr char kNotConverted[] = "変換できない文字が含まれています";

// Which lines or arguments failed, by number from 1. Only the first few numbers are kept, so that
// memory stays flat however many fail.
class FailureReport {
 public:
  explicit FailureReport(std::string_view unit) : unit_(unit) {}

  void Add(long number) {
    if (count_++ < kListed) numbers_ += (numbers_.empty() ? "" : ", ") + std::to_string(number);
  }
  void AddWhole() { ++count_; }
  bool Empty() const { return count_ == 0; }

  void Print() const {
    std::string message = std::string("soranagi-cli: ") + kNotConverted;
    if (!numbers_.empty()) {
      message += ": " + std::string(unit_) + " " + numbers_;
      if (count_ > kListed) message += " ほか " + std::to_string(count_ - kListed) + " 件";
    }
    std::fprintf(stderr, "%s\n", message.c_str());
  }

 private:
  static constexpr long kListed = 20;
  std::string_view unit_;
  std::string numbers_;
  long count_ = 0;
};

class StandardInput {
 public:
  std::size_t Read(char* buffer, std::size_t capacity) {
    for (;;) {
      const ssize_t got = read(STDIN_FILENO, buffer, capacity);
      if (got >= 0) return static_cast<std::size_t>(got);
      if (errno != EINTR) {
        error_ = errno;
        return 0;
      }
    }
  }
  std::string ReadAll() {
    std::string all;
    struct stat status {};
    if (fstat(STDIN_FILENO, &status) == 0 && S_ISREG(status.st_mode))
      all.reserve(static_cast<std::size_t>(status.st_size));  // no copies while it grows
    char block[1 << 16];
    while (const std::size_t got = Read(block, sizeof block)) all.append(block, got);
    return all;
  }
  int error() const { return error_; }

 private:
  int error_ = 0;
};

void Write(std::string_view bytes) {
  // An empty view may hold no pointer at all (a last line's missing terminator), and fwrite takes
  // none, even for no bytes.
  if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), stdout);
}

int Finish(const FailureReport& failures, int readError) {
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::fprintf(stderr, "soranagi-cli: cannot write the output: %s\n", std::strerror(errno));
    return kExitInputOutput;
  }
  if (readError != 0) {
    std::fprintf(stderr, "soranagi-cli: cannot read the input: %s\n", std::strerror(readError));
    return kExitInputOutput;
  }
  if (failures.Empty()) return kExitConverted;
  failures.Print();
  return kExitNotConverted;
}

}  // namespace

int RunConverter(const Options& options) {
  const TextConverter converter(options);
  // Cipher text is several times the size of its plain text: write it in large blocks.
  static char outputBuffer[1 << 16];
  std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

  if (!options.texts.empty()) {
    FailureReport failures("引数");
    for (std::size_t i = 0; i < options.texts.size(); ++i) {
      const ConversionOutcome outcome = converter.Convert(options.texts[i]);
      Write(outcome.output);
      Write("\n");
      if (!outcome.result) failures.Add(static_cast<long>(i + 1));
    }
    return Finish(failures, 0);
  }

  StandardInput input;
  if (options.whole) {
    FailureReport failures("");
    ConversionOutcome outcome = converter.Convert(input.ReadAll());
    Write(outcome.output);
    if (!outcome.result) failures.AddWhole();
    return Finish(failures, input.error());
  }

  FailureReport failures("行");
  LineReader reader(
      [&](char* buffer, std::size_t capacity) { return input.Read(buffer, capacity); });
  std::string text;
  long number = 0;
  for (LineReader::Line line; reader.Next(line);) {
    ++number;
    text.assign(line.text);
    const ConversionOutcome outcome = converter.Convert(text);
    Write(outcome.output);
    Write(line.terminator);
    if (!outcome.result) failures.Add(number);
  }
  return Finish(failures, input.error());
}
