// A directory to edit without a printer: a remote-setup object shaped like a small printer (six
// coded slots listed first, then three one-touch slots, two reject slots), held by a page host that
// keeps the saved flag.
#pragma once

#include <QString>
#include <QStringList>

#include "pages/rsu_page_host.h"
#include "remotesetup/remote_setup.h"

class PageFixture : public orvane::CRSUPageHost {
  public:
    // `name_length` and `number_length` are the printer's current_name_length and
    // current_tel_no_length.
    explicit PageFixture(int name_length = 16, int number_length = 40);

    orvane::CRSUFuncRemoteSetup* RemoteSetup() override { return &setup_; }
    bool IsSaved() const override { return saved_; }
    void ClearSavedFlag() override { saved_ = false; }
    void SetSavedFlag() { saved_ = true; }

    orvane::DirectoryData& Working() { return *setup_.Copy(orvane::DirectoryCopy::Working); }
    // The entry with `slot_id`; the fixture's slots exist by construction.
    orvane::DialEntry& Entry(const char* slot_id);
    // Fills a slot; `members` are slot IDs.
    void SetIndividual(const char* slot_id, const char* name, const char* number);
    void SetGroup(const char* slot_id, const char* name, const QStringList& members);
    // The Working copy's members of `slot_id` in table order.
    QStringList Members(const char* slot_id);
    // Makes the current Working copy the one last read.
    void MarkRead();

  private:
    orvane::CRSUFuncRemoteSetup setup_;
    bool saved_ = false;
};

// Texts of a slot of the Working copy.
QString EntryName(const orvane::DialEntry& entry);
QString EntryNumber(const orvane::DialEntry& entry);
