// Help of the main window: the chosen model's manual, on-line through the maker's redirect service
// or installed and shown by the local manual viewer. Nothing here ever shows a message.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "platform/manual_settings.h"

namespace orvane {

class ManualOpener;
struct ModelRecord;

class HelpController {
  public:
    explicit HelpController(std::unique_ptr<ManualOpener> opener);
    ~HelpController();

    // Replaces how the manual is opened.
    void SetOpener(std::unique_ptr<ManualOpener> opener);

    // Takes the manual data of `model` (null: the printer has none) and checks whether its manual
    // can be opened; true when it can.
    bool Update(const ModelRecord* model);

    // Opens the manual of the model last given: the on-line request with `language_code` (string
    // 186), or the viewer when it is (still) installed.
    void Open(const QString& language_code);

  private:
    void CheckManual();

    std::unique_ptr<ManualOpener> opener_;
    // The model's "Manual", "DevID" and viewer registration, and what the last check found.
    int manual_mode_ = 0;
    QString device_id_;
    std::optional<QString> help_reg_name_;
    bool available_ = false;
    ManualViewer viewer_;
};

}  // namespace orvane
