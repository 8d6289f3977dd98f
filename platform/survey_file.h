// The usage survey's file "ORVInfo.ini" in the machine-wide survey folder "VelorIJORV", which every
// local user may write: nothing found there is trusted, links are never followed, and the file is
// only ever replaced whole.
#pragma once

#include <QByteArray>
#include <QString>

#include "transport/shared_file.h"

namespace orvane {

// Why the survey folder could not be opened.
enum class SurveyFolderStatus {
    Open,          // the folder is open
    NoDataFolder,  // the machine's common data folder is missing or not a folder
    Unusable,      // the survey folder cannot be made, or is a link or breaks the folder's rules
};

class SurveyFile {
  public:
    // The machine's common data folder: $ORVANE_SURVEY_DIR, else /var/lib.
    static QString DataFolder();

    // Opens the survey folder inside DataFolder(), creating it (for every local user) when missing.
    static SurveyFile Open(SurveyFolderStatus* status);

    SurveyFile() = default;

    bool IsOpen() const { return folder_.IsValid(); }
    // The file's path (for messages to a developer; every access goes through the open folder).
    QString Path() const;
    // True when anything exists under the file's name, a planted link included.
    bool Exists() const;
    // The file's bytes; empty when it is missing, not a regular file or larger than a survey file
    // can be.
    QByteArray Read() const;
    // Replaces the file by one holding `bytes`, readable and writable by every local user. False
    // when nothing was replaced.
    bool Replace(const QByteArray& bytes) const;

  private:
    explicit SurveyFile(ScopedFd folder, QString path) : folder_(std::move(folder)), path_(std::move(path)) {}

    ScopedFd folder_;
    QString path_;
};

}  // namespace orvane
