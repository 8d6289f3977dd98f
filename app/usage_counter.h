// The usage survey: how often the program was started and each command used, kept with a few
// facts about the installation in the machine-wide survey file and handed at exit to the maker's
// survey component. Nothing of it ever shows a message or stops the program.
#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

#include "platform/survey_file.h"
#include "transport/named_object.h"

namespace orvane {

// The counters, by index.
enum class UsageIndex : int {
    kLaunch = 0,      // the main window was created
    kUpload = 1,      // a read from the printer succeeded
    kDownload = 2,    // a write to the printer succeeded
    kSaveToPc = 3,    // a directory file was saved
    kLoadFromPc = 4,  // a directory file was loaded
    kHelp = 5,        // Help was pressed
    kTalvLaunch = 6,  // started from the maker's launcher menu
    kDsLaunch = 7,    // started for a given printer
};

// The text fields, by index.
enum class SurveyText : int {
    kLangId = 0,     // the language in use, "%04X"
    kFirstTime = 1,  // the day the survey file was made; never replaced
    kVersion = 2,    // the model list's survey version
    kDevId = 3,      // the survey ID of the model last read
};

class UsageCounter {
  public:
    static constexpr int kCounterCount = 8;
    static constexpr int kTextCount = 4;
    // A text field holds at most this many UTF-16 characters.
    static constexpr int kTextLength = 63;
    // A counter stops here.
    static constexpr std::uint32_t kCounterLimit = 0xFFFF;

    // Results of StartSurvey.
    static constexpr int kStarted = 0;
    static constexpr int kNoFolder = 2;
    static constexpr int kOutOfMemory = 3;
    static constexpr int kNoMutex = 4;

    // The name of the survey file's mutex (machine-wide).
    static constexpr char kMutexName[] = "Global\\ORV_PCInformation";

    // Creates the counter into `counter` for a program whose model list is `model_list_path` and
    // whose language is `language`. Returns kStarted (the counter may still be disabled by the
    // model list's "CollectData"), or a failure code with `counter` left empty: the survey is then
    // off for this run.
    static int StartSurvey(const QString& model_list_path, std::uint16_t language,
                           std::unique_ptr<UsageCounter>* counter);

    UsageCounter(const UsageCounter&) = delete;
    UsageCounter& operator=(const UsageCounter&) = delete;

    // Adds one use to counter `index`, up to kCounterLimit; any index outside 0 to 7 is ignored.
    void Count(int index);
    void Count(UsageIndex index) { Count(static_cast<int>(index)); }
    // Sets text field `index` (cut to kTextLength characters), unless it is "FirstTime" and already set.
    void SetText(int index, const QString& text);
    void SetText(SurveyText index, const QString& text) { SetText(static_cast<int>(index), text); }
    // Writes the survey file and reports to the component. The counter is spent afterwards.
    void FinishSurvey();

    bool IsEnabled() const { return enabled_; }
    std::uint32_t Counter(int index) const;
    QString Text(int index) const;

    // The report handed to the component.
    QString ReportText() const;
    // The component's record name for the month of `date`: "OrvaneApp" and "%d%02d".
    static QString RecordName(const QDate& date);

  private:
    UsageCounter() = default;

    int Open(const QString& model_list_path, std::uint16_t language);
    void ReadFile();
    QByteArray FileText() const;

    bool enabled_ = false;
    bool new_file_ = false;
    NamedObject mutex_;
    SurveyFile file_;
    std::array<std::uint32_t, kCounterCount> counters_{};
    std::array<QString, kTextCount> texts_;
};

}  // namespace orvane
