#include "page_fixture.h"

#include <QtTest>
#include <cstring>
#include <string>

#include "remotesetup/directory_data.h"

namespace {

constexpr int kOneTouch = 3;
constexpr int kCoded = 6;

orvane::CapabilityTexts SmallPrinter(int name_length, int number_length) {
    const std::string names = std::to_string(name_length);
    const std::string numbers = std::to_string(number_length);
    return {"RSD1", "ascii", "type2", "3",  "3",  "6",  "6", numbers, numbers, names, names,
            "0",    "0",     "20",    "20", "16", "16", "2", "2",     "20",    "20"};
}

}  // namespace

PageFixture::PageFixture(int name_length, int number_length) {
    if (setup_.ApplyCapability(SmallPrinter(name_length, number_length)) != 0 ||
        setup_.AllocateCopy(orvane::DirectoryCopy::Working) != 0 ||
        setup_.AllocateCopy(orvane::DirectoryCopy::Baseline) != 0) {
        qFatal("the small printer's capability is refused");
    }
    std::vector<orvane::DialEntry>& entries = Working().entries;
    for (int i = 0; i < kCoded; ++i) {
        entries[static_cast<std::size_t>(i)].slot_id = orvane::MakeSlotId(true, i);
        entries[static_cast<std::size_t>(i)].coded = true;
    }
    for (int i = 0; i < kOneTouch; ++i)
        entries[static_cast<std::size_t>(kCoded + i)].slot_id = orvane::MakeSlotId(false, i + 1);
    orvane::StoreText(Working().sender.name, "Al");
    orvane::StoreText(Working().sender.number, "5");
    orvane::StoreText(Working().rejects[0].slot_id, "01");
    orvane::StoreText(Working().rejects[0].number, "99");
    orvane::StoreText(Working().rejects[1].slot_id, "02");
    MarkRead();
}

orvane::DialEntry& PageFixture::Entry(const char* slot_id) {
    for (orvane::DialEntry& entry : Working().entries) {
        if (std::strncmp(entry.slot_id.data(), slot_id, entry.slot_id.size()) == 0) return entry;
    }
    qFatal("no slot %s", slot_id);
}

void PageFixture::SetIndividual(const char* slot_id, const char* name, const char* number) {
    orvane::DialEntry& entry = Entry(slot_id);
    entry.kind = orvane::EntryKind::Individual;
    orvane::StoreText(entry.name, name);
    orvane::StoreText(entry.number, number);
}

void PageFixture::SetGroup(const char* slot_id, const char* name, const QStringList& members) {
    orvane::DialEntry& entry = Entry(slot_id);
    entry.kind = orvane::EntryKind::Group;
    orvane::StoreText(entry.name, name);
    for (qsizetype i = 0; i < members.size(); ++i) {
        orvane::StoreText(entry.members[static_cast<std::size_t>(i)], members[i].toStdString());
    }
    entry.member_count = static_cast<std::uint16_t>(members.size());
}

QStringList PageFixture::Members(const char* slot_id) {
    const orvane::DialEntry& entry = Entry(slot_id);
    QStringList members;
    for (std::size_t i = 0; i < entry.member_count; ++i) {
        members << QString::fromStdString(std::string(orvane::FieldText(entry.members[i])));
    }
    return members;
}

void PageFixture::MarkRead() {
    setup_.ReplaceCopy(orvane::DirectoryCopy::Baseline, orvane::DirectoryCopy::Working);
}

QString EntryName(const orvane::DialEntry& entry) {
    return QString::fromStdString(std::string(orvane::FieldText(entry.name)));
}

QString EntryNumber(const orvane::DialEntry& entry) {
    return QString::fromStdString(std::string(orvane::FieldText(entry.number)));
}
