// Folders, files and directories shared by the directory file tests.
#pragma once

#include "remote_setup_fixtures.h"
#include "remotesetup/directory_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::testing_support {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "orvane-rsd-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    // The names of everything in the folder, sorted.
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Every byte b becomes 255 - b, as on disk.
inline std::string Inverted(std::string bytes) {
    for (char& byte : bytes) byte = static_cast<char>(~static_cast<unsigned char>(byte));
    return bytes;
}

// Writes file body `plain` the way a save does (inverted).
inline void WritePlainFile(const std::filesystem::path& path, std::string_view plain) {
    WriteBytes(path, Inverted(std::string(plain)));
}

// Gives every entry of `data` the slot ID of `ids`, in order.
inline void SetSlots(DirectoryData& data, const std::vector<std::string_view>& ids) {
    for (std::size_t i = 0; i < ids.size() && i < data.entries.size(); ++i) SetSlot(data.entries[i], ids[i]);
    for (std::size_t i = 0; i < data.rejects.size(); ++i) {
        StoreText(data.rejects[i].slot_id, FieldText(MakeSlotId(false, static_cast<int>(i) + 1)));
    }
}

// Makes entry `index` an individual entry.
inline void SetIndividual(DirectoryData& data, std::size_t index, std::string_view name,
                          std::string_view number) {
    DialEntry& entry = data.entries[index];
    entry.kind = EntryKind::Individual;
    StoreText(entry.name, name);
    StoreText(entry.number, number);
}

// Makes entry `index` a group of `members`.
inline void SetGroup(DirectoryData& data, std::size_t index, std::string_view name,
                     const std::vector<std::string_view>& members) {
    DialEntry& entry = data.entries[index];
    entry.kind = EntryKind::Group;
    StoreText(entry.name, name);
    for (std::size_t i = 0; i < members.size(); ++i) StoreText(entry.members[i], members[i]);
    entry.member_count = static_cast<std::uint16_t>(members.size());
}

// The member IDs of entry `index`, in table order.
inline std::vector<std::string> MembersOf(const DirectoryData& data, std::size_t index) {
    const DialEntry& entry = data.entries[index];
    std::vector<std::string> members;
    for (std::size_t i = 0; i < entry.member_count; ++i) members.emplace_back(FieldText(entry.members[i]));
    return members;
}

// An object holding the example printer and directory in Working, ready to save.
inline void PrepareExample(CRSUFuncRemoteSetup& setup) {
    Prepare(setup, ExampleTexts(), {DirectoryCopy::Working});
    FillExample(*setup.Copy(DirectoryCopy::Working));
}

// An object as after a read from the example printer with an empty directory: Baseline and Working
// allocated, slot IDs "*00", "01", "02" and reject "01", nothing else.
inline void PrepareEmptyExample(CRSUFuncRemoteSetup& setup, const CapabilityTexts& texts = ExampleTexts(),
                                const std::vector<std::string_view>& ids = {"*00", "01", "02"}) {
    Prepare(setup, texts, {DirectoryCopy::Working, DirectoryCopy::Baseline});
    SetSlots(*setup.Copy(DirectoryCopy::Working), ids);
    ASSERT_EQ(setup.CopyDirectory(DirectoryCopy::Baseline, DirectoryCopy::Working), rs::kSuccess);
}

}  // namespace orvane::testing_support
