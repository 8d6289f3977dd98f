// The rules of the shared folders: what an existing machine-wide or session folder must look like,
// the modes of what the program creates, and files replaced through a temporary file.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "planted_files.h"
#include "transport/internal/port_claim.h"
#include "transport/named_object.h"
#include "transport/shared_file.h"
#include "transport/transport_codes.h"
#include "transport_test_env.h"

namespace orvane {
namespace {

using testing::Plant;
using testing::PlantAt;
using testing::PlantName;

constexpr uid_t kNobody = 65534;

mode_t ModeOf(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

std::string ContentOf(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

NamedObjectStatus StatusOfCreate(std::string_view name) {
    NamedObjectStatus status = NamedObjectStatus::Created;
    NamedObject object = NamedObject::Create(name, &status);
    return status;
}

// Sets the umask for the life of the object.
class Umask {
  public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }

  private:
    mode_t old_;
};

class SharedFolderTest : public testing::TransportFolders {
  protected:
    std::filesystem::path Machine() const { return root_ / "machine"; }
    std::filesystem::path Session() const { return root_ / "session"; }
};

TEST_F(SharedFolderTest, MachineFolderThatIsALinkIsRefused) {
    const std::filesystem::path link = root_ / "link";
    std::filesystem::create_directory_symlink(Machine(), link);
    ::setenv("ORVANE_OBJECT_DIR", link.c_str(), 1);
    EXPECT_EQ(StatusOfCreate("Global\\orvkitMutex"), NamedObjectStatus::Failed);
    EXPECT_EQ(NamedObject::FolderFor(true), "");
    EXPECT_TRUE(std::filesystem::is_empty(Machine()));
}

TEST_F(SharedFolderTest, MachineFolderWithoutTheStickyBitIsRefused) {
    ASSERT_EQ(::chmod(Machine().c_str(), 0777), 0);
    EXPECT_EQ(StatusOfCreate("Global\\orvkitMutex"), NamedObjectStatus::Failed);
    PortClaim claim;
    EXPECT_EQ(claim.Claim("USB001"), transport_code::kUnknownPortKind);
    EXPECT_EQ(ModeOf(Machine()), 0777u);  // refused, not repaired
    EXPECT_TRUE(std::filesystem::is_empty(Machine()));
}

TEST_F(SharedFolderTest, ExistingMachineFolderKeepsItsMode) {
    ASSERT_EQ(::chmod(Machine().c_str(), 01775), 0);
    EXPECT_EQ(StatusOfCreate("Global\\orvkitMutex"), NamedObjectStatus::Created);
    EXPECT_EQ(ModeOf(Machine()), 01775u);
}

TEST_F(SharedFolderTest, NewFoldersGetTheModesOfTheirScopes) {
    const Umask umask(022);
    ::setenv("ORVANE_OBJECT_DIR", (root_ / "new-machine").c_str(), 1);
    ::setenv("ORVANE_SESSION_DIR", (root_ / "new-session/").c_str(), 1);
    EXPECT_EQ(StatusOfCreate("Global\\orvkitMutex"), NamedObjectStatus::Created);
    EXPECT_EQ(StatusOfCreate("orvkitCommunicateMutex"), NamedObjectStatus::Created);
    EXPECT_EQ(ModeOf(root_ / "new-machine"), 01777u);
    EXPECT_EQ(ModeOf(root_ / "new-session"), 0700u);
}

TEST_F(SharedFolderTest, SessionFolderOwnedByAnotherUserIsRefused) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give the folder away";
    ASSERT_EQ(::chown(Session().c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(StatusOfCreate("orvkitCommunicateMutex"), NamedObjectStatus::Failed);
    PortClaim claim;
    EXPECT_EQ(claim.Claim("USB001"), transport_code::kPortInUse);  // the claim guard lives there
    EXPECT_EQ(NamedObject::FolderFor(false), "");
    EXPECT_TRUE(std::filesystem::is_empty(Session()));
}

TEST_F(SharedFolderTest, SessionFolderWritableByOthersIsRefused) {
    for (const mode_t mode : {0777, 0770, 0702, 01777}) {
        ASSERT_EQ(::chmod(Session().c_str(), mode), 0);
        EXPECT_EQ(StatusOfCreate("orvRejectShutdownMsgMutex"), NamedObjectStatus::Failed) << std::oct << mode;
        EXPECT_EQ(ModeOf(Session()), mode);
    }
    EXPECT_TRUE(std::filesystem::is_empty(Session()));
    ASSERT_EQ(::chmod(Session().c_str(), 0755), 0);  // readable by others is fine, as for ssh
    EXPECT_EQ(StatusOfCreate("orvRejectShutdownMsgMutex"), NamedObjectStatus::Created);
}

TEST_F(SharedFolderTest, SessionFolderThatIsALinkIsRefused) {
    const std::filesystem::path link = root_ / "session-link";
    std::filesystem::create_directory_symlink(Session(), link);
    ::setenv("ORVANE_SESSION_DIR", link.c_str(), 1);
    EXPECT_EQ(StatusOfCreate("orvkitCommunicateMutex"), NamedObjectStatus::Failed);
    EXPECT_TRUE(std::filesystem::is_empty(Session()));
}

// Without ORVANE_SESSION_DIR the session folder lies in the runtime folder, which obeys the
// same rules (its fallback lies in /tmp, where anyone could have made it first).
class RuntimeFolderTest : public SharedFolderTest {
  protected:
    void SetUp() override {
        SharedFolderTest::SetUp();
        ::unsetenv("ORVANE_SESSION_DIR");
        ::setenv("XDG_RUNTIME_DIR", Runtime().c_str(), 1);
    }
    void TearDown() override {
        if (saved_runtime_) {
            ::setenv("XDG_RUNTIME_DIR", saved_runtime_->c_str(), 1);
        } else {
            ::unsetenv("XDG_RUNTIME_DIR");
        }
        SharedFolderTest::TearDown();
    }
    std::filesystem::path Runtime() const { return root_ / "runtime"; }

  private:
    static std::optional<std::string> Saved(const char* value) {
        return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    }
    std::optional<std::string> saved_runtime_ = Saved(std::getenv("XDG_RUNTIME_DIR"));
};

TEST_F(RuntimeFolderTest, MissingFoldersAreMadePrivate) {
    const Umask umask(0);
    EXPECT_EQ(StatusOfCreate("orvkitCommunicateMutex"), NamedObjectStatus::Created);
    EXPECT_EQ(ModeOf(Runtime()), 0700u);
    EXPECT_EQ(ModeOf(Runtime() / "velor"), 0700u);
    EXPECT_EQ(NamedObject::FolderFor(false), (Runtime() / "velor").string());
}

TEST_F(RuntimeFolderTest, RuntimeFolderOfAnotherUserIsRefused) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to give the folder away";
    std::filesystem::create_directory(Runtime());
    ASSERT_EQ(::chmod(Runtime().c_str(), 0777), 0);
    ASSERT_EQ(::chown(Runtime().c_str(), kNobody, kNobody), 0);
    EXPECT_EQ(StatusOfCreate("orvkitCommunicateMutex"), NamedObjectStatus::Failed);
    EXPECT_TRUE(std::filesystem::is_empty(Runtime()));
}

TEST_F(RuntimeFolderTest, SessionFolderThatIsALinkIsRefused) {
    std::filesystem::create_directory(Runtime());
    ASSERT_EQ(::chmod(Runtime().c_str(), 0700), 0);
    std::filesystem::create_directory_symlink(Session(), Runtime() / "velor");
    EXPECT_EQ(StatusOfCreate("orvkitCommunicateMutex"), NamedObjectStatus::Failed);
    EXPECT_TRUE(std::filesystem::is_empty(Session()));
}

TEST_F(SharedFolderTest, NewLockFilesGetTheModesOfTheirScopes) {
    const Umask umask(077);
    EXPECT_EQ(StatusOfCreate("Global\\orvkitMutex"), NamedObjectStatus::Created);
    EXPECT_EQ(StatusOfCreate("orvkitCommunicateMutex"), NamedObjectStatus::Created);
    EXPECT_EQ(ModeOf(Machine() / "orvkitMutex"), 0666u);  // other users take part in the same arbitration
    EXPECT_EQ(ModeOf(Session() / "orvkitCommunicateMutex"), 0600u);
}

TEST_F(SharedFolderTest, ExistingLockFileKeepsItsModeAndContent) {
    const std::filesystem::path file = Machine() / "orvkitMutex";
    std::ofstream(file) << "left by another program";
    ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
    NamedObjectStatus status = NamedObjectStatus::Failed;
    NamedObject object = NamedObject::Create("Global\\orvkitMutex", &status);
    EXPECT_EQ(status, NamedObjectStatus::Created);
    EXPECT_EQ(ModeOf(file), 0640u);
    EXPECT_EQ(ContentOf(file), "left by another program");
}

// Files written into a shared folder as a whole, the way the survey file is.
class ReplaceSharedFileTest : public SharedFolderTest {
  protected:
    void SetUp() override {
        SharedFolderTest::SetUp();
        folder_ = ScopedFd(OpenSharedFolder(Machine().string(), 01777, FolderSharing::kMachineWide));
        ASSERT_TRUE(folder_.IsValid());
    }
    // Only the file itself is left behind, no temporary file.
    void ExpectOnlyEntry(const std::string& name) const {
        std::vector<std::string> entries;
        for (const auto& entry : std::filesystem::directory_iterator(Machine()))
            entries.push_back(entry.path().filename().string());
        EXPECT_EQ(entries, std::vector<std::string>{name});
    }
    ScopedFd folder_;
};

TEST_F(ReplaceSharedFileTest, WritesANewFileWithTheGivenMode) {
    const Umask umask(022);
    ASSERT_EQ(ReplaceSharedFileAt(folder_.Get(), "ORVInfo.ini", "[PINFO]\n", 0666), 0);
    EXPECT_EQ(ContentOf(Machine() / "ORVInfo.ini"), "[PINFO]\n");
    EXPECT_EQ(ModeOf(Machine() / "ORVInfo.ini"), 0666u);
    ASSERT_EQ(ReplaceSharedFileAt(folder_.Get(), "ORVInfo.ini", "second", 0666), 0);
    EXPECT_EQ(ContentOf(Machine() / "ORVInfo.ini"), "second");
    ExpectOnlyEntry("ORVInfo.ini");
}

TEST_F(ReplaceSharedFileTest, PlantedLinkOrFifoIsReplacedNotFollowed) {
    for (const Plant plant : {Plant::kLinkToVictim, Plant::kFifo, Plant::kHardLinkToVictim}) {
        const testing::Victim victim(root_ / "victim");
        PlantAt(Machine() / "ORVInfo.ini", plant, victim);
        ASSERT_EQ(ReplaceSharedFileAt(folder_.Get(), "ORVInfo.ini", "counts", 0666), 0) << PlantName(plant);
        EXPECT_TRUE(
            std::filesystem::is_regular_file(std::filesystem::symlink_status(Machine() / "ORVInfo.ini")));
        EXPECT_EQ(ContentOf(Machine() / "ORVInfo.ini"), "counts");
        victim.ExpectUntouched();
        ExpectOnlyEntry("ORVInfo.ini");
        std::filesystem::remove(Machine() / "ORVInfo.ini");
        std::filesystem::remove(root_ / "victim");
    }
}

TEST_F(ReplaceSharedFileTest, PlantedFolderFailsAndLeavesNothingBehind) {
    std::filesystem::create_directory(Machine() / "ORVInfo.ini");
    EXPECT_NE(ReplaceSharedFileAt(folder_.Get(), "ORVInfo.ini", "counts", 0666), 0);
    EXPECT_TRUE(std::filesystem::is_directory(Machine() / "ORVInfo.ini"));
    ExpectOnlyEntry("ORVInfo.ini");
}

TEST_F(ReplaceSharedFileTest, AnotherUsersFileInAStickyFolderStays) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
    ASSERT_EQ(ReplaceSharedFileAt(folder_.Get(), "ORVInfo.ini", "root's counts", 0666), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool dropped = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
        std::_Exit(dropped ? ReplaceSharedFileAt(folder_.Get(), "ORVInfo.ini", "nobody's", 0666) : 255);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), EPERM);
    EXPECT_EQ(ContentOf(Machine() / "ORVInfo.ini"), "root's counts");
    ExpectOnlyEntry("ORVInfo.ini");
}

TEST_F(ReplaceSharedFileTest, NamesOutsideTheFolderAreRefused) {
    for (const char* name : {"", ".", "..", "../escape", "a/b"}) {
        EXPECT_EQ(ReplaceSharedFileAt(folder_.Get(), name, "x", 0666), EINVAL) << name;
    }
    EXPECT_TRUE(std::filesystem::is_empty(Machine()));
}

TEST_F(ReplaceSharedFileTest, ReadingTakesOnlyARegularFile) {
    const testing::Victim victim(root_ / "victim");
    PlantAt(Machine() / "linked", Plant::kLinkToVictim, victim);
    PlantAt(Machine() / "fifo", Plant::kFifo, victim);
    EXPECT_LT(OpenSharedFileForReadingAt(folder_.Get(), "linked"), 0);
    EXPECT_LT(OpenSharedFileForReadingAt(folder_.Get(), "fifo"), 0);  // at once, no writer needed
    EXPECT_LT(OpenSharedFileForReadingAt(folder_.Get(), "missing"), 0);
    EXPECT_EQ(errno, ENOENT);
    ASSERT_EQ(ReplaceSharedFileAt(folder_.Get(), "ORVInfo.ini", "counts", 0666), 0);
    const ScopedFd file(OpenSharedFileForReadingAt(folder_.Get(), "ORVInfo.ini"));
    ASSERT_TRUE(file.IsValid());
    char buffer[16] = {};
    EXPECT_EQ(::read(file.Get(), buffer, sizeof(buffer)), 6);
    EXPECT_EQ(std::string(buffer), "counts");
}

}  // namespace
}  // namespace orvane
