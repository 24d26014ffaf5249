// Output lines streamed to a file, standard output or standard error, so a
// proof that prints millions of rows never holds them in memory.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "outputs.h"

namespace tolvern {

class FileSink : public LineSink {
 public:
  FileSink() = default;
  ~FileSink() override;
  FileSink(const FileSink&) = delete;
  FileSink& operator=(const FileSink&) = delete;

  // PATH "-" means standard output.
  bool Open(const std::string& path);
  void OpenStandardError();

  void Append(std::string_view line) override;
  // Writes what is buffered and closes; false when anything failed to write.
  bool Close();

  const std::string& path() const { return path_; }

 private:
  void Flush();

  std::FILE* file_ = nullptr;
  bool owned_ = false;
  bool failed_ = false;
  std::string path_;
  std::string buffer_;
};

}  // namespace tolvern
