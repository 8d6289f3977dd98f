#include "cli_process.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace clitest {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A temporary file for one output stream, removed at the end.
class CaptureFile {
  public:
    CaptureFile() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvane-cli-XXXXXX").string();
        fd_ = ::mkstemp(pattern.data());
        path_ = pattern;
    }
    ~CaptureFile() {
        if (fd_ >= 0) ::close(fd_);
        ::unlink(path_.c_str());
    }
    CaptureFile(const CaptureFile&) = delete;
    CaptureFile& operator=(const CaptureFile&) = delete;

    int fd() const { return fd_; }
    // Replaces the contents by `text` and rewinds, so that a child reads it from the start.
    void Fill(const std::string& text) const {
        (void)!::write(fd_, text.data(), text.size());
        ::lseek(fd_, 0, SEEK_SET);
    }
    std::string Contents() const { return ReadAll(path_); }

  private:
    int fd_ = -1;
    std::string path_;
};

}  // namespace

CliRun RunCli(const std::vector<std::string>& arguments,
              const std::vector<std::pair<std::string, std::string>>& environment, const std::string& input) {
    CaptureFile out;
    CaptureFile err;
    CaptureFile in;
    in.Fill(input);
    std::vector<std::string> argv_text = {ORVANE_CLI};
    argv_text.insert(argv_text.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& text : argv_text) argv.push_back(text.data());
    argv.push_back(nullptr);

    CliRun run;
    const pid_t child = ::fork();
    if (child == 0) {
        for (const auto& [name, value] : environment) ::setenv(name.c_str(), value.c_str(), 1);
        ::dup2(in.fd(), STDIN_FILENO);
        ::dup2(out.fd(), STDOUT_FILENO);
        ::dup2(err.fd(), STDERR_FILENO);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    if (child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status))
        run.status = WEXITSTATUS(status);
    run.out = out.Contents();
    run.err = err.Contents();
    return run;
}

}  // namespace clitest
