#include "cli/LineReader.h"

#include <utility>

LineReader::LineReader(Source source, std::size_t blockSize)
    : source_(std::move(source)), blockSize_(blockSize == 0 ? 1 : blockSize) {}

bool LineReader::Next(Line& line) {
  std::size_t scanned = start_;  // no line feed before this
  for (;;) {
    const std::size_t feed = buffer_.find('\n', scanned);
    if (feed != std::string::npos) {
      const bool crlf = feed > start_ && buffer_[feed - 1] == '\r';
      const std::size_t end = crlf ? feed - 1 : feed;
      const std::string_view all(buffer_);
      line.text = all.substr(start_, end - start_);
      line.terminator = all.substr(end, feed + 1 - end);
      start_ = feed + 1;
      return true;
    }
    if (ended_) break;
    // Drop the lines already handed out, then read a block behind the unfinished one.
    buffer_.erase(0, start_);
    scanned = buffer_.size();
    start_ = 0;
    buffer_.resize(scanned + blockSize_);
    const std::size_t got = source_(buffer_.data() + scanned, blockSize_);
    buffer_.resize(scanned + got);
    ended_ = got == 0;
  }
  if (start_ == buffer_.size()) return false;
  line.text = std::string_view(buffer_).substr(start_);
  line.terminator = {};
  start_ = buffer_.size();
  return true;
}
