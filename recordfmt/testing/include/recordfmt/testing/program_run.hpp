// Running a built program the way a user does: answers piped in, in a
// directory of its own, everything it wrote read back for comparison.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace recordfmt::testing {

struct ProgramRun {
  std::string console; // standard output
  std::string errors;  // standard error
  int exitStatus = -1; // -1 when the program did not exit normally
};

struct RunOptions {
  std::vector<std::string> arguments{};
  // When set, standard output goes to this path (for example /dev/full)
  // instead of being captured.
  std::filesystem::path consolePath{};
  bool closeInput = false; // start with standard input closed
};

ProgramRun runProgram(const std::filesystem::path &program, const std::string &answers,
                      const std::filesystem::path &workDir, const RunOptions &options = {});

// A fresh empty directory, removed with everything in it at the end.
class TempDir {
public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir &) = delete;
  TempDir &operator=(const TempDir &) = delete;
  [[nodiscard]] const std::filesystem::path &path() const { return path_; }
  [[nodiscard]] std::filesystem::path operator/(const std::string &name) const { return path_ / name; }

private:
  std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path &path);
void writeFile(const std::filesystem::path &path, const std::string &contents);
// The records of a text, each without its line end ("\n" or "\r\n").
std::vector<std::string> splitRecords(const std::string &text, const std::string &lineEnd);

} // namespace recordfmt::testing
