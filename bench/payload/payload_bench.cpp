// Encoding and decoding a full directory: 99 one-touch and 100 coded slots with 16-byte names and
// 40-byte numbers (every tenth slot a group of 20), and 99 rejected numbers.
#include "remotesetup/device_charset.h"
#include "remotesetup/remote_setup.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using orvane::CRSUFuncRemoteSetup;
using orvane::DirectoryCopy;

const orvane::CapabilityTexts kLargePrinter = {"RSD1", "ascii", "type2", "99", "99", "100", "100",
                                               "40",   "40",    "16",    "16", "0",  "0",   "20",
                                               "20",   "16",    "16",    "99", "99", "40",  "40"};

std::string Digits(std::size_t length, std::size_t seed) {
    std::string digits;
    for (std::size_t i = 0; i < length; ++i) digits += static_cast<char>('0' + (seed + i) % 10);
    return digits;
}

void FillLargeDirectory(orvane::DirectoryData& data) {
    const std::size_t onetouch = 99;
    for (std::size_t i = 0; i < data.entries.size(); ++i) {
        orvane::DialEntry& entry = data.entries[i];
        entry.coded = i >= onetouch;
        entry.slot_id = entry.coded ? orvane::MakeSlotId(true, static_cast<int>(i - onetouch))
                                    : orvane::MakeSlotId(false, static_cast<int>(i + 1));
        orvane::StoreText(entry.name, "Name " + Digits(11, i));
        if (i % 10 == 0) {
            entry.kind = orvane::EntryKind::Group;
            for (std::size_t m = 0; m < 20; ++m)
                entry.members[m] = orvane::MakeSlotId(false, static_cast<int>(m + 1));
            entry.member_count = 20;
        } else {
            entry.kind = orvane::EntryKind::Individual;
            orvane::StoreText(entry.number, Digits(40, i));
        }
    }
    orvane::StoreText(data.sender.name, "Velor Office 001");
    orvane::StoreText(data.sender.number, Digits(20, 7));
    for (std::size_t r = 0; r < data.rejects.size(); ++r) {
        data.rejects[r].slot_id = {};
        orvane::StoreText(data.rejects[r].slot_id,
                          orvane::FieldText(orvane::MakeSlotId(false, static_cast<int>(r + 1))));
        orvane::StoreText(data.rejects[r].number, Digits(40, r));
    }
}

// A remote-setup object holding the large directory in Working.
void PrepareLarge(CRSUFuncRemoteSetup& setup) {
    setup.ApplyCapability(kLargePrinter);
    setup.AllocateCopy(DirectoryCopy::Working);
    FillLargeDirectory(*setup.Copy(DirectoryCopy::Working));
}

void BM_EncodePayload(benchmark::State& state) {
    CRSUFuncRemoteSetup setup;
    PrepareLarge(setup);
    std::string payload;
    for (auto _ : state) {
        if (setup.EncodePayload(&payload) != orvane::rs::kSuccess) state.SkipWithError("encoding failed");
        benchmark::DoNotOptimize(payload.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * payload.size()));
}
BENCHMARK(BM_EncodePayload);

void BM_DecodePayload(benchmark::State& state) {
    CRSUFuncRemoteSetup setup;
    PrepareLarge(setup);
    std::string payload;
    setup.EncodePayload(&payload);
    setup.AllocateCopy(DirectoryCopy::DeviceCheck);
    for (auto _ : state) {
        const bool ok =
            setup.DecodeSenderRecord(payload, DirectoryCopy::DeviceCheck) == orvane::rs::kSuccess &&
            setup.DecodeRejectRecords(payload, DirectoryCopy::DeviceCheck) == orvane::rs::kSuccess &&
            setup.DecodeDialRecords(payload, DirectoryCopy::DeviceCheck) == orvane::rs::kSuccess;
        if (!ok) state.SkipWithError("decoding failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * payload.size()));
}
BENCHMARK(BM_DecodePayload);

void BM_CompareCopies(benchmark::State& state) {
    CRSUFuncRemoteSetup setup;
    PrepareLarge(setup);
    setup.AllocateCopy(DirectoryCopy::Baseline);
    setup.CopyDirectory(DirectoryCopy::Baseline, DirectoryCopy::Working);
    for (auto _ : state) benchmark::DoNotOptimize(setup.IsModified());
}
BENCHMARK(BM_CompareCopies);

void BM_NameConversions(benchmark::State& state) {
    const std::u16string name = u"Åsa Müller ｱｲｳ 12";
    char bytes[48];
    char16_t units[48];
    for (auto _ : state) {
        benchmark::DoNotOptimize(orvane::WideToDevice(name, bytes));
        benchmark::DoNotOptimize(orvane::DeviceToWide(std::string_view(bytes, sizeof bytes), units));
    }
}
BENCHMARK(BM_NameConversions);

}  // namespace
