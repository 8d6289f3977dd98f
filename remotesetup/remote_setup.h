// CRSUFuncRemoteSetup: everything known about one printer for one read from it - its capability,
// the four copies of its fax directory and the printer and port names.
//
// The pages read the capability and edit the Working copy in place through Copy(); the device
// exchange and the directory file fill and send copies through the payload operations. The object
// owns every copy and text; pointers it returns stay valid until the copy is freed or reallocated.
// One thread at a time; no locks.
#pragma once

#include "remotesetup/device_capability.h"
#include "remotesetup/directory_data.h"
#include "remotesetup/job_cycle.h"
#include "remotesetup/result_codes.h"
#include "transport/port_kind.h"
#include "transport/port_transport.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace orvane {

// How ClearCopy treats a copy whose parts do not match the capability's shape.
enum class ClearForm {
    Strict,   // refuse with kMissingBuffer
    Lenient,  // clear what is there (used when loading a directory file)
};

// Port-kind hint handed to the transport when the port opens.
inline constexpr int kPortKindLocal = 0;  // any port but a network one
inline constexpr int kPortKindNetwork = static_cast<int>(kNetworkPortFlags);

// Read chunk sizes of the transport for the two port kinds.
inline constexpr std::size_t kLocalReadChunk = kReadChunkSize;
inline constexpr std::size_t kNetworkReadChunk = kNetworkReadChunkSize;

class CRSUFuncRemoteSetup {
  public:
    // Empty: no names, no capability, no copy allocated.
    CRSUFuncRemoteSetup();
    // The same, with `hooks` handed to the port (tests and benchmarks observe its pauses) and `clock`
    // telling the time of the response limit (tests; empty: the steady clock).
    explicit CRSUFuncRemoteSetup(TransportHooks hooks, ResponseClock clock = {});
    // Frees all four copies.
    virtual ~CRSUFuncRemoteSetup();
    CRSUFuncRemoteSetup(const CRSUFuncRemoteSetup&) = delete;
    CRSUFuncRemoteSetup& operator=(const CRSUFuncRemoteSetup&) = delete;

    // --- Settings ---

    // Replaces the printer name (narrow, UTF-8). Null gives kMissingBuffer, no memory kOutOfMemory.
    RsResult SetPrinterName(const char* name);
    // Replaces the port name and derives the port-kind hint and read chunk, which the port reads
    // with from then on. Null gives kMissingBuffer, no memory kOutOfMemory.
    RsResult SetPortName(const char* name);
    // The printer name; device steps refuse with kNoPrinter while HasPrinterName() is false.
    const std::string& PrinterName() const { return printer_name_; }
    // True once a non-empty printer name was set.
    bool HasPrinterName() const { return !printer_name_.empty(); }
    // The port name as set.
    const std::string& PortName() const { return port_name_; }
    // kPortKindNetwork for a "VLNETP_" port, else kPortKindLocal.
    int PortKindHint() const { return port_kind_; }
    // kNetworkReadChunk for a network port, else kLocalReadChunk.
    std::size_t ReadChunkSize() const { return read_chunk_; }

    // --- Capability ---

    // Stores the 21 capability texts (response order) and converts the numbers. Refuses with
    // kCapabilityUnsupported, changing nothing, a capability the copies cannot hold (see
    // ParseCapability); kOutOfMemory when memory runs out. Copies allocated before keep their shape,
    // and every operation refuses them with kMissingBuffer if it no longer matches.
    RsResult ApplyCapability(const CapabilityTexts& texts);
    // The capability last applied.
    const DeviceCapability& Capability() const { return capability_; }
    // N, the number of dial slots.
    int DialSlotCount() const { return capability_.DialSlotCount(); }
    // R, the number of reject slots.
    int RejectSlotCount() const { return capability_.RejectSlotCount(); }

    // --- Copies ---

    // Allocates `copy` zeroed in the capability's shape, replacing any previous one. kInvalidCopy for
    // a bad selector, kOutOfMemory (nothing allocated) when memory runs out.
    RsResult AllocateCopy(DirectoryCopy copy);
    // Releases `copy`, allocated or not. kInvalidCopy for a bad selector, else 0.
    RsResult FreeCopy(DirectoryCopy copy);
    // Empties kinds, names, numbers, members, the sender and the reject numbers; keeps slot IDs and
    // coded flags. kInvalidCopy for a bad selector; kMissingBuffer when the copy is not allocated or
    // (Strict only) not in the capability's shape.
    RsResult ClearCopy(DirectoryCopy copy, ClearForm form = ClearForm::Strict);
    // Copies every record of `source` into `destination`. kInvalidCopy for a bad selector;
    // kMissingBuffer when either copy is missing or not in the capability's shape.
    RsResult CopyDirectory(DirectoryCopy destination, DirectoryCopy source);
    // 0 when both copies hold the same directory (texts compared as texts), kCopiesDiffer otherwise;
    // kInvalidCopy for a bad selector; kMissingBuffer when either copy is missing or misshapen.
    RsResult CompareCopies(DirectoryCopy a, DirectoryCopy b) const;
    // kInvalidCopy when both selectors are equal (nothing changes); otherwise strict ClearCopy of
    // `destination`, then CopyDirectory.
    RsResult ReplaceCopy(DirectoryCopy destination, DirectoryCopy source);
    // kModified when Working differs from Baseline, 0 when equal, any other CompareCopies code as is.
    RsResult IsModified() const;
    // The copy for direct reading and editing, or null when the selector is bad or it is not allocated.
    DirectoryData* Copy(DirectoryCopy copy);
    const DirectoryData* Copy(DirectoryCopy copy) const;

    // --- Directory file (directory_file.h, directory_file.cpp) ---

    // Saves Working as a directory file for `product_id`. The file is written beside `path` under a
    // temporary name, flushed and renamed over `path`, so an existing file survives every failure.
    // rs::kFileMalformed for product ID 0 (no load accepts it); rs::kCapabilityUnsupported when a
    // capability number has more than 4 digits; rs::kProtocolFailure when the capability document
    // cannot be built; the encoders' codes; rs::kFreeSpaceQueryFailed, rs::kDiskFull,
    // rs::kFileCreateFailed as ReplaceFileContents gives them.
    RsResult SaveDirectoryFile(const std::filesystem::path& path, std::uint16_t product_id) const;
    // 0 when the file at `path` is a directory file of `product_id`; rs::kOtherProduct for another
    // product; rs::kFileOpenFailed, rs::kFileMalformed (no tag, product ID 0, empty) otherwise.
    RsResult CheckDirectoryFile(const std::filesystem::path& path, std::uint16_t product_id) const;
    // Replaces the contents of Working by the directory in the file at `path`, fitted into this
    // printer's slots; slot IDs and coded flags stay. Working changes only on success; Baseline never.
    // rs::kMissingBuffer without Working; the codes of ReadDirectoryFileBytes and LoadDirectoryBytes.
    RsResult LoadDirectoryFile(const std::filesystem::path& path);
    // LoadDirectoryFile on the file's bytes after inversion. Fails with rs::kMissingBuffer,
    // rs::kOutOfMemory, DecodeSenderRecord's and the two import readers' codes.
    RsResult LoadDirectoryBytes(std::string_view plain);
    // The file body of SaveDirectoryFile before inversion, into `*plain`, with the same codes.
    RsResult EncodeDirectoryFile(std::uint16_t product_id, std::string* plain) const;
    // Fills the reject numbers of `copy` from file bytes, each found by its slot ID (CR LF "RI" ID CR LF);
    // a slot without a record stays empty. rs::kUnterminatedText for a slot ID that cannot form a
    // pattern; rs::kRejectRecordsIncomplete when a found record lacks CR LF "RT" or its closing CR LF.
    RsResult ImportRejectRecords(std::string_view bytes, DirectoryCopy copy);
    // Fills the dial entries of `copy` from file bytes: reads the file's capability document, then
    // finds each entry's "DI" or "GI" record by its slot ID; a slot without a record stays empty.
    // Group members are read in the file's own slot layout and only those naming a slot of this
    // printer are kept. rs::kFileMalformed without a capability document or a name or number tag;
    // rs::kDialRecordUnterminated without the CR LF after a number or bitmap; rs::kUnterminatedText
    // for a slot ID that cannot form a pattern; a parser failure as its mapped result code.
    RsResult ImportDialRecords(std::string_view bytes, DirectoryCopy copy);

    // --- Payload (see payload.h for the record layout) ---

    // Writes the dial records of Working into `out`; kMissingBuffer without a well-shaped Working.
    RsResult EncodeDialRecords(std::span<char> out, std::size_t* written) const;
    // Writes the sender record of Working into `out`.
    RsResult EncodeSenderRecord(std::span<char> out, std::size_t* written) const;
    // Writes the reject records of Working into `out`.
    RsResult EncodeRejectRecords(std::span<char> out, std::size_t* written) const;
    // The whole payload of Working (dial, sender, reject records) in `*payload`, sized by
    // PayloadSizesFor. Fails like the three encoders, or with kOutOfMemory.
    RsResult EncodePayload(std::string* payload) const;
    // Writes the group bitmap of Working's entry `index` into `bitmap` (max_tel_no_length bytes).
    // kMissingBuffer for a bad index, a missing Working or a short bitmap.
    RsResult EncodeGroupBitmap(std::size_t index, std::span<char> bitmap) const;
    // Sequential readers of printer data into `copy`; see payload.h for their codes. kInvalidCopy for
    // a bad selector; kMissingBuffer for a missing or misshapen copy.
    RsResult DecodeSenderRecord(std::string_view bytes, DirectoryCopy copy);
    RsResult DecodeRejectRecords(std::string_view bytes, DirectoryCopy copy);
    RsResult DecodeDialRecords(std::string_view bytes, DirectoryCopy copy);
    // Sets the members of entry `index` of `copy` from `bitmap` read with the given slot counts.
    RsResult DecodeGroupBitmap(std::string_view bitmap, std::size_t index, DirectoryCopy copy,
                               int coded_count, int onetouch_count);
    // Replaces, in place, the bytes the printer's keycode set does not allow by ".".
    void MaskUnsupportedBytes(std::span<char> bytes) const;

    // --- Device exchange (remote_setup_exchange.cpp) ---

    // Reads the printer's capability and directory: fills Working and, on success, Baseline. Opens
    // and closes the port and runs one whole job. kNoPrinter without a printer name; transport and
    // printer failures as their result codes; a failed close replaces the result.
    RsResult ReadFromDevice();
    // Reads the printer's directory again into DeviceCheck and compares it with Baseline. 0 when they
    // agree, leaving the job running and the port open for WriteToDevice or FinishDeviceJob;
    // kDeviceDirectoryChanged (job ended, port closed) when they differ; an error code otherwise.
    RsResult CheckDeviceUnchanged();
    // Sends Working to the printer, inside the job CheckDeviceUnchanged left open or in a new one,
    // then ends the job and closes the port.
    RsResult WriteToDevice();
    // Ends the job CheckDeviceUnchanged left open and closes the port.
    RsResult FinishDeviceJob();
    // True while a job ID from a StartJobResponse is held.
    bool HasJob() const { return job_id_.has_value(); }
    // True while the port is open (between CheckDeviceUnchanged returning 0 and the next operation).
    bool IsPortOpen() const { return transport_.IsOpen(); }

  private:
    // The copy in the capability's shape, or null (with `*result` set) when it is not.
    DirectoryData* ShapedCopy(DirectoryCopy copy, RsResult* result);
    const DirectoryData* ShapedCopy(DirectoryCopy copy, RsResult* result) const;

    // Steps of the device operations (remote_setup_exchange.cpp); each returns a result code.
    // Opens the port unless it is open.
    RsResult OpenPort();
    // Opens the port and starts the job unless one is held.
    RsResult OpenSession();
    // Closes the port; a failure to close replaces `result`.
    RsResult ClosePort(RsResult result);
    // After a failed step: EndJob (its result ignored), close, `failure`.
    RsResult AbandonJob(RsResult failure);
    // StartJob unless a job ID is held; keeps the printer's job ID.
    RsResult StartSessionJob();
    // GetCapability, ApplyCapability, then a fresh Working.
    RsResult QueryCapability();
    // ReceiveData and its payload, decoded into `copy`.
    RsResult ReadPayload(DirectoryCopy copy);
    // Sender, reject and dial records of `payload` into `copy`.
    RsResult DecodePayload(std::string_view payload, DirectoryCopy copy);
    // SendData with the encoded Working.
    RsResult SendPayload();
    // EndJob; the job ID is dropped whatever happens.
    RsResult EndSessionJob();
    // The two ends of one request: writing it, and checking the bytes of its response.
    using RequestBuilder = std::function<ProtocolCode(std::string* request)>;
    using ResponseParser = std::function<ProtocolCode(std::string_view response)>;
    // One request of the job: refused without a printer name, else built, sent, its response named
    // `expected` awaited in a buffer of `room` bytes and parsed. The first failing stage gives the
    // result. `*response`, when given, receives the read that held the response.
    RsResult Transact(const RequestBuilder& build, std::string_view expected, std::size_t room,
                      const ResponseParser& parse, ReceivedResponse* response = nullptr);
    // The held job ID, or an empty text.
    std::string_view JobId() const { return job_id_ ? std::string_view(*job_id_) : std::string_view(); }
    // Runs `operation`, turning an allocation failure into kOutOfMemory with the port closed.
    template <typename Operation>
    RsResult Guarded(Operation operation);

    std::string printer_name_;
    std::string port_name_;
    int port_kind_ = kPortKindLocal;
    std::size_t read_chunk_ = kLocalReadChunk;
    DeviceCapability capability_;
    std::array<std::unique_ptr<DirectoryData>, kDirectoryCopyCount> copies_;
    // The printer's job ID, held from the StartJobResponse until EndJob.
    std::optional<std::string> job_id_;
    // The clock of each step's response limit.
    ResponseClock clock_;
    // The port; open from Open until Close, also between CheckDeviceUnchanged and the write.
    PortTransport transport_;
};

}  // namespace orvane
