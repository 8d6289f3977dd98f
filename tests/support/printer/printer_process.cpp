#include "printer_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace orvane::testsupport {
namespace {

constexpr auto kPatience = std::chrono::seconds(30);

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

template <typename Done>
bool WaitUntil(Done done) {
    const auto until = std::chrono::steady_clock::now() + kPatience;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

std::string MakeRunFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvane-sim-XXXXXX").string();
    return ::mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
}

// posix_spawn rather than fork: the Qt tests have threads, and the child must not take a lock one of
// them held. The printer's own output goes to a file in its folder.
pid_t Spawn(std::vector<std::string>& arguments, const std::string& output) {
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                       0600);
    pid_t pid = -1;
    if (::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    ::posix_spawn_file_actions_destroy(&actions);
    return pid;
}

}  // namespace

PrinterProcess::PrinterProcess(std::vector<std::string> arguments) : dir_(MakeRunFolder()) {
    if (dir_.empty()) return;
    for (std::string& argument : arguments) {
        if (const std::size_t at = argument.find("@DIR@"); at != std::string::npos)
            argument.replace(at, 5, dir_);
    }
    arguments.insert(arguments.begin(), ORVANE_PRINTER_SIM);
    arguments.insert(arguments.end(), {"--ready-file", dir_ + "/ready", "--log", dir_ + "/log"});
    pid_ = Spawn(arguments, dir_ + "/stdout");
    if (pid_ > 0) WaitUntil([&] { return IsReady() || HasEnded(); });
}

PrinterProcess::~PrinterProcess() {
    Stop();
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
}

bool PrinterProcess::IsReady() const {
    return !dir_.empty() && std::filesystem::exists(dir_ + "/ready");
}

int PrinterProcess::Stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        if (!WaitUntil([&] { return HasEnded(); })) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
            pid_ = -1;
            return -1;
        }
    }
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
}

bool PrinterProcess::HasEnded() {
    if (pid_ > 0 && ::waitpid(pid_, &status_, WNOHANG) == pid_) pid_ = -1;
    return pid_ <= 0;
}

std::string PrinterProcess::Ready(const std::string& key) const {
    std::istringstream in(ReadFile(dir_ + "/ready"));
    for (std::string k, v; in >> k >> v;) {
        if (k == key) return v;
    }
    return "";
}

std::string PrinterProcess::Log() const {
    return ReadFile(dir_ + "/log");
}

int PrinterProcess::Count(const std::string& operation) const {
    std::istringstream log(Log());
    int count = 0;
    for (std::string line; std::getline(log, line);) {
        if (line.starts_with(operation + " ")) ++count;
    }
    return count;
}

bool PrinterProcess::WaitForLog(const std::string& text) const {
    return WaitUntil([&] { return Log().find(text) != std::string::npos; });
}

}  // namespace orvane::testsupport
