// The printer's capability: the 21 values of its GetCapabilityResponse, and the limits this program
// places on them so that every copy of the directory fits its fixed-size fields.
#pragma once

#include "protocol/job_protocol.h"
#include "remotesetup/result_codes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// CapabilityField, kCapabilityFieldCount and CapabilityTexts (the 21 texts in response order) come
// from the job protocol, which parses and writes them.

// True for the 18 numbers, false for the three texts in front of them.
constexpr bool IsCapabilityNumber(CapabilityField field) {
    return field >= CapabilityField::max_onetouch_dial_num;
}

// Fixed capacities of the in-memory fields, terminator excluded.
inline constexpr int kMaxNameLength = 47;           // dial entry and group names
inline constexpr int kMaxNumberLength = 120;        // dial numbers
inline constexpr int kMaxRejectNumberLength = 120;  // rejected numbers

// Slot counts that slot IDs can name: coded "*00".."*99", one-touch "01".."999", reject "01".."99".
inline constexpr int kMaxCodedSlots = 100;
inline constexpr int kMaxOneTouchSlots = 999;
inline constexpr int kMaxRejectSlots = 99;

// A SendData datasize has at most 7 digits, so the payload and the receive buffer stay below this.
inline constexpr std::size_t kMaxPayloadBytes = 9'999'999;

// Extra room of the ReceiveData buffer for the response document in front of the payload.
inline constexpr std::size_t kResponseDocumentRoom = 6144;

// The capability in the order of the capability response: 3 texts and 18 numbers. "max_" values
// describe the wire format, "current_" values what this printer holds.
struct DeviceCapability {
    std::string support_data_format;             // sent back as the format of SendData and ReceiveData
    std::string character_code;                  // only stored and written back
    std::string keycode_type;                    // "type1" selects the kana set, anything else accented Latin
    std::int32_t max_onetouch_dial_num = 0;      // one-touch slots a payload buffer is sized for
    std::int32_t current_onetouch_dial_num = 0;  // one-touch slots (NO)
    std::int32_t max_coded_dial_num = 0;         // coded slots a payload buffer is sized for
    std::int32_t current_coded_dial_num = 0;     // coded slots (NC)
    std::int32_t max_tel_no_length = 0;          // wire width of DT and GT fields (TW)
    std::int32_t current_tel_no_length = 0;      // longest dial number kept and typed
    std::int32_t max_name_length = 0;            // wire width of DN and GN fields (NW)
    std::int32_t current_name_length = 0;        // longest entry or group name kept and typed
    std::int32_t max_email_address_length = 0;   // only stored and written back
    std::int32_t current_email_address_length = 0;  // only stored and written back
    std::int32_t max_user_tel_no_length = 0;        // wire width of the KT field (UTW)
    std::int32_t current_user_tel_no_length = 0;    // longest sender number
    std::int32_t max_user_name_length = 0;          // wire width of the KN field (UNW)
    std::int32_t current_user_name_length = 0;      // longest sender name
    std::int32_t max_reject_tel_num = 0;            // empty reject records sent when there are none (RM)
    std::int32_t current_reject_tel_num = 0;        // reject slots (R)
    std::int32_t max_reject_tel_no_length = 0;      // wire width of the RT field (RTW)
    std::int32_t current_reject_tel_no_length = 0;  // longest rejected number kept and typed

    // Dial slot count N = NO + NC.
    int DialSlotCount() const { return current_onetouch_dial_num + current_coded_dial_num; }
    // Reject slot count R.
    int RejectSlotCount() const { return current_reject_tel_num; }

    // The 21 values as texts in response order (numbers in decimal), as a capability document
    // and a directory file carry them.
    CapabilityTexts ToTexts() const;
};

// Buffer sizes of the three payload parts, sized from the "max_" values so that any directory of
// this printer fits: dial (max_coded + max_onetouch) x (NW + TW + 16), sender UNW + UTW + 8,
// reject (RTW + 11) x RM.
struct PayloadSizes {
    std::size_t dial = 0;
    std::size_t sender = 0;
    std::size_t reject = 0;
    std::size_t Total() const { return dial + sender + reject; }
};

// Payload part sizes of a capability that ParseCapability accepted.
PayloadSizes PayloadSizesFor(const DeviceCapability& capability);

// Converts a capability number: leading white space, an optional sign, the leading decimal digits;
// an empty or non-numeric text gives 0. Values beyond 32 bits saturate (and are then refused).
std::int32_t ParseCapabilityNumber(std::string_view text);

// Converts the 21 texts into `out`. Returns 0, or kCapabilityUnsupported (and leaves `out`
// untouched) when a value is negative, a "current_" length exceeds its in-memory capacity or its
// "max_" wire width, a "current_" slot count exceeds its "max_" count, a slot count exceeds what
// slot IDs can name, or the payload would not fit in kMaxPayloadBytes.
RsResult ParseCapability(const CapabilityTexts& texts, DeviceCapability* out);

}  // namespace orvane
