#include "app/usage_counter.h"

#include <new>
#include <optional>
#include <utility>

#include "platform/ini_text.h"
#include "platform/model_list.h"
#include "platform/survey_component.h"

namespace orvane {
namespace {

constexpr const char* kCounterKeys[UsageCounter::kCounterCount] = {
    "ORVLaunch",     "ORVupload", "ORVdownload",   "ORVsavetoPC",
    "ORVloadfromPC", "ORVhelp",   "ORVTALVLaunch", "ORVDSLaunch",
};
constexpr const char* kTextKeys[UsageCounter::kTextCount] = {"LangID", "FirstTime", "Version", "DevID"};
constexpr char kApplicationName[] = "OrvaneApp";
constexpr char kSection[] = "PINFO";
// How long a start waits for another program that holds the survey file.
constexpr int kMutexWaitMs = 5000;
// What the base-16 conversion gives on overflow; such a value is not taken.
constexpr std::uint32_t kConversionLimit = 0xFFFFFFFF;

int HexDigit(QChar c) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) return c.unicode() - '0';
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f')) return c.unicode() - 'a' + 10;
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F')) return c.unicode() - 'A' + 10;
    return -1;
}

// A counter as the survey file holds it, read like the C library's base-16 conversion of an
// unsigned 32-bit number: blanks, a sign, "0x", then digits up to the first other character.
// Nothing for an empty text or a result at the conversion's overflow limit.
std::optional<std::uint32_t> CounterFromText(const QString& text) {
    if (text.isEmpty()) return std::nullopt;
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace()) ++i;
    const bool negative = i < text.size() && text[i] == QLatin1Char('-');
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) ++i;
    if (text.mid(i, 2).compare(QLatin1String("0x"), Qt::CaseInsensitive) == 0 && i + 2 < text.size() &&
        HexDigit(text[i + 2]) >= 0) {
        i += 2;
    }
    std::uint64_t value = 0;
    for (; i < text.size() && HexDigit(text[i]) >= 0; ++i) {
        value = value * 16 + static_cast<std::uint64_t>(HexDigit(text[i]));
        if (value > kConversionLimit) return std::nullopt;
    }
    const auto result = static_cast<std::uint32_t>(negative ? 0 - value : value);
    if (result == kConversionLimit) return std::nullopt;
    return result;
}

// `text` cut to what a text field holds, never between the two halves of a surrogate pair.
QString FieldText(const QString& text) {
    QString cut = text.left(UsageCounter::kTextLength);
    if (cut.size() < text.size() && !cut.isEmpty() && cut.back().isHighSurrogate()) cut.chop(1);
    return cut;
}

QString Element(const char* key, const QString& value) {
    return QLatin1Char('<') + QLatin1String(key) + QLatin1Char('>') + value + QLatin1String("</") +
           QLatin1String(key) + QLatin1Char('>');
}

QString CounterText(std::uint32_t value) {
    return QString::number(value, 16);
}

}  // namespace

int UsageCounter::StartSurvey(const QString& model_list_path, std::uint16_t language,
                              std::unique_ptr<UsageCounter>* counter) {
    counter->reset();
    std::unique_ptr<UsageCounter> created(new (std::nothrow) UsageCounter);
    if (!created) return kOutOfMemory;
    const int code = created->Open(model_list_path, language);
    if (code == kStarted) *counter = std::move(created);
    return code;
}

int UsageCounter::Open(const QString& model_list_path, std::uint16_t language) {
    const SurveySettings settings = ReadSurveySettings(model_list_path);
    if (settings.collect_data != 1) return kStarted;
    NamedObjectStatus status = NamedObjectStatus::Failed;
    // Made without ownership, so that no later instance waits on this one's lifetime; only an
    // instance that finds it already there waits to own it, and then keeps it.
    mutex_ = NamedObject::CreateUnowned(kMutexName, &status);
    if (!mutex_.IsHeld()) return kNoMutex;
    if (status == NamedObjectStatus::AlreadyExists && !mutex_.OwnWithin(kMutexWaitMs)) return kNoMutex;
    SurveyFolderStatus folder = SurveyFolderStatus::Unusable;
    file_ = SurveyFile::Open(&folder);
    if (folder != SurveyFolderStatus::Open) return kNoFolder;
    new_file_ = !file_.Exists();
    if (!new_file_) ReadFile();
    enabled_ = true;
    if (new_file_) {
        const QDate today = QDate::currentDate();
        SetText(SurveyText::kFirstTime,
                QString::asprintf("%d-%02d-%02d", today.year(), today.month(), today.day()));
    }
    SetText(SurveyText::kLangId, QString::asprintf("%04X", language));
    if (!settings.version.isEmpty()) SetText(SurveyText::kVersion, settings.version);
    return kStarted;
}

void UsageCounter::ReadFile() {
    IniFile ini;
    // A damaged line ends what is read; the values before it still count.
    ParseIni(QString::fromUtf8(file_.Read()), &ini);
    const IniSection values = ini.Section(QLatin1String(kSection));
    for (int i = 0; i < kTextCount; ++i) texts_[i] = FieldText(values.Value(QLatin1String(kTextKeys[i])));
    for (int i = 0; i < kCounterCount; ++i) {
        const std::optional<std::uint32_t> stored =
            CounterFromText(values.Value(QLatin1String(kCounterKeys[i])));
        if (stored) counters_[i] = *stored;
    }
}

void UsageCounter::Count(int index) {
    if (!enabled_ || index < 0 || index >= kCounterCount) return;
    if (counters_[index] < kCounterLimit) ++counters_[index];
}

void UsageCounter::SetText(int index, const QString& text) {
    if (!enabled_ || index < 0 || index >= kTextCount) return;
    const bool replaceable = index != static_cast<int>(SurveyText::kFirstTime);
    if (replaceable || texts_[index].isEmpty()) texts_[index] = FieldText(text);
}

std::uint32_t UsageCounter::Counter(int index) const {
    return index >= 0 && index < kCounterCount ? counters_[index] : 0;
}

QString UsageCounter::Text(int index) const {
    return index >= 0 && index < kTextCount ? texts_[index] : QString();
}

QByteArray UsageCounter::FileText() const {
    QList<std::pair<QString, QString>> values;
    for (int i = 0; i < kTextCount; ++i) values.append({QLatin1String(kTextKeys[i]), texts_[i]});
    for (int i = 0; i < kCounterCount; ++i)
        values.append({QLatin1String(kCounterKeys[i]), CounterText(counters_[i])});
    return SetIniValues(QString::fromUtf8(file_.Read()), QLatin1String(kSection), values).toUtf8();
}

QString UsageCounter::ReportText() const {
    QString report =
        QStringLiteral("<Application NAME=\"") + QLatin1String(kApplicationName) + QStringLiteral("\">");
    for (int i = 0; i < kTextCount; ++i) {
        if (!texts_[i].isEmpty()) report += Element(kTextKeys[i], texts_[i]);
    }
    for (int i = 0; i < kCounterCount; ++i) {
        if (counters_[i] != 0) report += Element(kCounterKeys[i], CounterText(counters_[i]));
    }
    return report + QStringLiteral("</Application>");
}

QString UsageCounter::RecordName(const QDate& date) {
    return QString::asprintf("%s%d%02d", kApplicationName, date.year(), date.month());
}

void UsageCounter::FinishSurvey() {
    if (!enabled_) return;
    // A file that cannot be written still lets the report go out.
    file_.Replace(FileText());
    ReportToSurveyComponent(RecordName(QDate::currentDate()), QLatin1String(kApplicationName), ReportText());
    enabled_ = false;
    file_ = SurveyFile();
    mutex_.Release();
}

}  // namespace orvane
