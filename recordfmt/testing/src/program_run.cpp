#include "recordfmt/testing/program_run.hpp"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace recordfmt::testing {

namespace fs = std::filesystem;

TempDir::TempDir() {
  std::string pattern = (fs::temp_directory_path() / "fluidrun-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary directory");
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string readFile(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeFile(const fs::path &path, const std::string &contents) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << contents;
}

std::vector<std::string> splitRecords(const std::string &text, const std::string &lineEnd) {
  std::vector<std::string> records;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find(lineEnd, start);
    if (end == std::string::npos) {
      records.push_back(text.substr(start));
      break;
    }
    records.push_back(text.substr(start, end - start));
    start = end + lineEnd.size();
  }
  return records;
}

ProgramRun runProgram(const fs::path &program, const std::string &answers, const fs::path &workDir,
                      const RunOptions &options) {
  TempDir io;
  const fs::path inputPath = io / "answers";
  const fs::path outputPath = options.consolePath.empty() ? io / "console" : options.consolePath;
  const fs::path errorPath = io / "errors";
  writeFile(inputPath, answers);

  const pid_t child = ::fork();
  if (child < 0) {
    throw std::runtime_error("fork failed");
  }
  if (child == 0) {
    if (::chdir(workDir.c_str()) != 0) {
      ::_exit(127);
    }
    if (options.closeInput) {
      ::close(0);
    } else {
      const int in = ::open(inputPath.c_str(), O_RDONLY);
      ::dup2(in, 0);
    }
    const int out = ::open(outputPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(errorPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ::dup2(out, 1);
    ::dup2(err, 2);
    std::vector<std::string> args{program.string()};
    args.insert(args.end(), options.arguments.begin(), options.arguments.end());
    std::vector<char *> argv;
    for (std::string &a : args) {
      argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  ProgramRun run;
  run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (options.consolePath.empty()) {
    run.console = readFile(outputPath);
  }
  run.errors = readFile(errorPath);
  return run;
}

} // namespace recordfmt::testing
