#include "isolated_folders.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace orvane::testsupport {
namespace {

constexpr char kObjectVariable[] = "ORVANE_OBJECT_DIR";
constexpr char kSessionVariable[] = "ORVANE_SESSION_DIR";

// mkdir applies the umask, so the mode is set again afterwards.
bool MakeFolder(const std::filesystem::path& folder, mode_t mode) {
    if (::mkdir(folder.c_str(), mode) != 0 && errno != EEXIST) return false;
    return ::chmod(folder.c_str(), mode) == 0;
}

}  // namespace

bool MakeObjectFolders(const std::filesystem::path& machine, const std::filesystem::path& session) {
    if (!MakeFolder(machine, 01777) || !MakeFolder(session, 0700)) return false;
    ::setenv(kObjectVariable, machine.c_str(), 1);
    ::setenv(kSessionVariable, session.c_str(), 1);
    return true;
}

void PointObjectFolders(const std::filesystem::path& root) {
    for (const char* variable : {kObjectVariable, kSessionVariable}) {
        ::setenv(variable, (root / variable).c_str(), 1);
    }
}

}  // namespace orvane::testsupport
