#include "transport/named_object.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <thread>

namespace orvane {
namespace {

class NamedObjectTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ = std::filesystem::temp_directory_path() / ("orvane-named-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root_ / "machine");
        std::filesystem::create_directories(root_ / "session");
        std::filesystem::permissions(root_ / "machine",
                                     std::filesystem::perms::all | std::filesystem::perms::sticky_bit);
        std::filesystem::permissions(root_ / "session", std::filesystem::perms::owner_all);
        ::setenv("ORVANE_OBJECT_DIR", (root_ / "machine").c_str(), 1);
        ::setenv("ORVANE_SESSION_DIR", (root_ / "session").c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(root_); }
    std::filesystem::path root_;
};

TEST_F(NamedObjectTest, SecondCreateSeesTheFirstUntilReleased) {
    NamedObjectStatus status{};
    NamedObject first = NamedObject::Create("Global\\orvkitMutex", &status);
    ASSERT_EQ(status, NamedObjectStatus::Created);
    EXPECT_TRUE(first.IsHeld());
    EXPECT_TRUE(NamedObject::Exists("Global\\orvkitMutex"));

    NamedObject second = NamedObject::Create("Global\\orvkitMutex", &status);
    EXPECT_EQ(status, NamedObjectStatus::AlreadyExists);
    EXPECT_FALSE(second.IsHeld());

    first.Release();
    EXPECT_FALSE(NamedObject::Exists("Global\\orvkitMutex"));
    second = NamedObject::Create("Global\\orvkitMutex", &status);
    EXPECT_EQ(status, NamedObjectStatus::Created);
}

TEST_F(NamedObjectTest, ScopeComesFromTheGlobalPrefix) {
    EXPECT_EQ(NamedObject::PathFor("Global\\orvkitMutex"), (root_ / "machine" / "orvkitMutex").string());
    EXPECT_EQ(NamedObject::PathFor("orvkitCommunicateMutex"),
              (root_ / "session" / "orvkitCommunicateMutex").string());
    NamedObjectStatus status{};
    NamedObject session = NamedObject::Create("orvkitMutex", &status);
    ASSERT_EQ(status, NamedObjectStatus::Created);
    EXPECT_FALSE(NamedObject::Exists("Global\\orvkitMutex"));
}

TEST_F(NamedObjectTest, NamesNeverLeaveTheirFolder) {
    EXPECT_EQ(NamedObject::PathFor("Global\\../x/y%"), (root_ / "machine" / "..%2Fx%2Fy%25").string());
    EXPECT_EQ(NamedObject::PathFor(".."), (root_ / "session" / "%2E.").string());
    EXPECT_EQ(NamedObject::PathFor("Global\\"), "");
}

TEST_F(NamedObjectTest, ObjectOfAKilledHolderIsFree) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        NamedObjectStatus status{};
        NamedObject held = NamedObject::Create("Global\\held-by-child", &status);
        const char byte = status == NamedObjectStatus::Created ? 'y' : 'n';
        (void)!::write(ready[1], &byte, 1);
        ::pause();
        std::_Exit(0);
    }
    char byte = 0;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    ASSERT_EQ(byte, 'y');
    EXPECT_TRUE(NamedObject::Exists("Global\\held-by-child"));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_FALSE(NamedObject::Exists("Global\\held-by-child"));
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST_F(NamedObjectTest, AcquireWithinTakesAFreeObject) {
    NamedObject held = NamedObject::AcquireWithin("Global\\ORV_PCInformation", 0);
    EXPECT_TRUE(held.IsHeld());
    EXPECT_TRUE(NamedObject::Exists("Global\\ORV_PCInformation"));
}

TEST_F(NamedObjectTest, AcquireWithinGivesUpOnAHeldObject) {
    NamedObjectStatus status{};
    NamedObject first = NamedObject::Create("Global\\ORV_PCInformation", &status);
    ASSERT_EQ(status, NamedObjectStatus::Created);
    NamedObject second = NamedObject::AcquireWithin("Global\\ORV_PCInformation", 60);
    EXPECT_FALSE(second.IsHeld());
    EXPECT_TRUE(first.IsHeld());
    EXPECT_TRUE(NamedObject::Exists("Global\\ORV_PCInformation"));
}

TEST_F(NamedObjectTest, AcquireWithinTakesAnObjectReleasedMeanwhile) {
    NamedObjectStatus status{};
    NamedObject first = NamedObject::Create("Global\\ORV_PCInformation", &status);
    ASSERT_EQ(status, NamedObjectStatus::Created);
    // Released before or while the second waits: either way the wait ends holding it.
    std::thread releaser([&first] { first.Release(); });
    NamedObject second = NamedObject::AcquireWithin("Global\\ORV_PCInformation", 60000);
    releaser.join();
    EXPECT_TRUE(second.IsHeld());
}

TEST_F(NamedObjectTest, AcquireWithinFailsWithoutItsFolder) {
    ::setenv("ORVANE_OBJECT_DIR", (root_ / "machine" / "missing" / "deeper").c_str(), 1);
    EXPECT_FALSE(NamedObject::AcquireWithin("Global\\ORV_PCInformation", 0).IsHeld());
}

}  // namespace
}  // namespace orvane
