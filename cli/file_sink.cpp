#include "file_sink.h"

namespace tolvern {

namespace {
constexpr size_t FlushSize = 1 << 16;
}

FileSink::~FileSink() { Close(); }

bool FileSink::Open(const std::string& path) {
  path_ = path;
  if (path == "-") {
    file_ = stdout;
    owned_ = false;
    return true;
  }
  file_ = std::fopen(path.c_str(), "wb");
  owned_ = file_ != nullptr;
  return file_ != nullptr;
}

void FileSink::OpenStandardError() {
  path_ = "standard error";
  file_ = stderr;
  owned_ = false;
}

void FileSink::Append(std::string_view line) {
  buffer_.append(line);
  buffer_.push_back('\n');
  if (buffer_.size() >= FlushSize) Flush();
}

void FileSink::Flush() {
  if (!file_ || buffer_.empty()) return;
  if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
  buffer_.clear();
}

bool FileSink::Close() {
  if (!file_) return !failed_;
  Flush();
  if (std::fflush(file_) != 0 || std::ferror(file_)) failed_ = true;
  if (owned_ && std::fclose(file_) != 0) failed_ = true;
  file_ = nullptr;
  return !failed_;
}

}  // namespace tolvern
