// A page host over a remote-setup object shaped as a read from a printer leaves it, without the
// printer: capability applied, Working allocated, reject slot IDs "01", "02", ...
#pragma once

#include <memory>
#include <string>

#include "pages/rsu_page_host.h"
#include "remotesetup/remote_setup.h"

// The capability values the pages and dialogs read.
struct TestShape {
    int reject_slots = 5;           // current_reject_tel_num
    int reject_number_length = 40;  // current_reject_tel_no_length
    int user_name_length = 24;      // current_user_name_length
    int user_number_length = 20;    // current_user_tel_no_length
    std::string keycode_type = "type2";
};

class TestDirectory : public orvane::CRSUPageHost {
  public:
    explicit TestDirectory(const TestShape& shape = {});

    orvane::CRSUFuncRemoteSetup* RemoteSetup() override { return setup_.get(); }
    bool IsSaved() const override { return saved_; }
    void ClearSavedFlag() override { saved_ = false; }
    void SetSavedFlag() { saved_ = true; }
    // Drops the remote-setup object, as the window does without a directory.
    void Close() { setup_.reset(); }
    // True when ApplyCapability and AllocateCopy succeeded.
    bool IsValid() const { return valid_; }

    orvane::DirectoryData& Working() { return *setup_->Copy(orvane::DirectoryCopy::Working); }
    // Stores `number` in reject slot `index` (0-based).
    void SetReject(int index, const char* number);
    // The number of reject slot `index`.
    std::string Reject(int index);
    // Stores the sender name (device bytes of ASCII text) and number.
    void SetSender(const char* name, const char* number);
    std::string SenderName();
    std::string SenderNumber();

  private:
    std::unique_ptr<orvane::CRSUFuncRemoteSetup> setup_ = std::make_unique<orvane::CRSUFuncRemoteSetup>();
    bool saved_ = false;
    bool valid_ = false;
};
