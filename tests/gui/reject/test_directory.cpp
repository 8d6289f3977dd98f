#include "test_directory.h"

#include <algorithm>

TestDirectory::TestDirectory(const TestShape& shape) {
    const std::string r = std::to_string(shape.reject_slots);
    const std::string rtw = std::to_string(shape.reject_number_length);
    const std::string unw = std::to_string(shape.user_name_length);
    const std::string utw = std::to_string(shape.user_number_length);
    const orvane::CapabilityTexts texts = {"rsd1", "latin", shape.keycode_type,
                                           "1",    "1",     "1",
                                           "1",    "40",    "40",
                                           "16",   "16",    "0",
                                           "0",    utw,     utw,
                                           unw,    unw,     r,
                                           r,      rtw,     rtw};
    valid_ = setup_->ApplyCapability(texts) == 0 &&
             setup_->AllocateCopy(orvane::DirectoryCopy::Working) == 0 &&
             setup_->AllocateCopy(orvane::DirectoryCopy::Baseline) == 0;
    if (!valid_) return;
    int slot = 1;
    for (orvane::RejectEntry& entry : Working().rejects) {
        const orvane::SlotId id = orvane::MakeSlotId(false, slot++);
        std::copy_n(id.begin(), entry.slot_id.size(), entry.slot_id.begin());
    }
    setup_->CopyDirectory(orvane::DirectoryCopy::Baseline, orvane::DirectoryCopy::Working);
}

void TestDirectory::SetReject(int index, const char* number) {
    orvane::StoreText(Working().rejects.at(static_cast<std::size_t>(index)).number, number);
}

std::string TestDirectory::Reject(int index) {
    return std::string(orvane::FieldText(Working().rejects.at(static_cast<std::size_t>(index)).number));
}

void TestDirectory::SetSender(const char* name, const char* number) {
    orvane::StoreText(Working().sender.name, name);
    orvane::StoreText(Working().sender.number, number);
}

std::string TestDirectory::SenderName() {
    return std::string(orvane::FieldText(Working().sender.name));
}

std::string TestDirectory::SenderNumber() {
    return std::string(orvane::FieldText(Working().sender.number));
}
