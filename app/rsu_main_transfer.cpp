// The main window's Import and Export: the directory shown as a vCard, CSV or JSON text, and such
// texts (address books included) fitted into it by the rules of the window's fields.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <array>

#include "app/column_choice_dlg.h"
#include "app/file_dialogs.h"
#include "app/fit_report_dlg.h"
#include "app/result_message.h"
#include "app/rsu_main.h"
#include "directorytools/directory_fit.h"
#include "directorytools/text_directory.h"
#include "remotesetup/directory_file_io.h"
#include "remotesetup/remote_setup.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"
#include "ui/show_message.h"

namespace orvane {
namespace {

// Larger files are not directories of any printer.
constexpr std::size_t kMaxImportSize = 16 * 1024 * 1024;

struct FormatFilter {
    TextFormat format;
    int description;       // string ID
    const char* patterns;  // the file names it shows
    const char* suffix;    // what Export adds to a name typed without one
};

constexpr std::array kFormats = {
    FormatFilter{TextFormat::Vcard, ids::kIdsFilterVcard, "*.vcf *.vcard", "vcf"},
    FormatFilter{TextFormat::Csv, ids::kIdsFilterCsv, "*.csv", "csv"},
    FormatFilter{TextFormat::Json, ids::kIdsFilterJson, "*.json", "json"},
};

QString FilterText(int description, const char* patterns) {
    return QStringLiteral("%1 (%2)").arg(LoadString(description), QLatin1String(patterns));
}

// The filters of the three formats, in the order of kFormats.
QStringList FormatFilters() {
    QStringList filters;
    for (const FormatFilter& format : kFormats) filters << FilterText(format.description, format.patterns);
    return filters;
}

// The format of the filter `filter` of FormatFilters(); the first one for any other.
const FormatFilter& FormatOfFilter(const QString& filter) {
    return kFormats[static_cast<std::size_t>(std::max<qsizetype>(FormatFilters().indexOf(filter), 0))];
}

QString NameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

}  // namespace

void CRSUMain::OnImport() {
    if (!remote_setup_ || IsBusy()) return;
    QFileDialog dialog(this);
    QStringList filters = FormatFilters();
    filters.prepend(FilterText(ids::kIdsFilterImport, "*.vcf *.vcard *.csv *.json"));
    PrepareFileDialog(&dialog, QFileDialog::AcceptOpen, filters, QString());
    const QString path = RunFileDialog(&dialog);
    PortableDirectory source;
    if (path.isEmpty() || !ReadImportFile(path, &source)) return;
    DirectoryData fitted;
    FitReport report;
    const RsResult result = FitDirectory(source, FitMode::Merge, *remote_setup_, &fitted, &report);
    if (result != rs::kSuccess) {
        ShowResultMessage(this, result);
        return;
    }
    CRSUFitReportDlg review(report, NameOf(path), this);
    if (review.exec() != QDialog::Accepted) return;
    *remote_setup_->Copy(DirectoryCopy::Working) = std::move(fitted);
    ShowReplacedDirectory();
    saved_ = false;
}

bool CRSUMain::ReadImportFile(const QString& path, PortableDirectory* source) {
    std::string bytes;
    if (ReadWholeFile(FilePath(path), kMaxImportSize, &bytes) != rs::kSuccess) {
        ShowMessage(this, LoadString(ids::kMsgImportUnreadable).arg(NameOf(path)), ids::kIdsAppTitle,
                    MessageStyle::Error);
        return false;
    }
    const TextFormat format = TextFormatOf(path.toStdString(), bytes);
    std::vector<std::string> headers;
    std::string error;
    CsvOutcome outcome = ReadTextDirectory(format, bytes, nullptr, source, &headers, &error);
    if (outcome == CsvOutcome::ColumnsUnknown) {
        CRSUColumnChoiceDlg choice(headers, NameOf(path), this);
        if (choice.exec() != QDialog::Accepted) return false;
        const CsvColumns columns = choice.Columns();
        outcome = ReadTextDirectory(format, bytes, &columns, source, &headers, &error);
    }
    if (outcome != CsvOutcome::Read) {
        ShowMessage(this, LoadString(ids::kMsgImportRefused).arg(NameOf(path), QString::fromStdString(error)),
                    ids::kIdsAppTitle, MessageStyle::Error);
    }
    return outcome == CsvOutcome::Read;
}

void CRSUMain::OnExport() {
    if (!remote_setup_ || IsBusy()) return;
    QFileDialog dialog(this);
    const QString folder = DefaultFolder();
    // Without the folder the dialog starts elsewhere; exporting still works.
    if (!folder.isEmpty()) QDir().mkpath(folder);
    PrepareFileDialog(&dialog, QFileDialog::AcceptSave, FormatFilters(), QLatin1String(kFormats[0].suffix));
    // A name typed without an extension gets the one of the format chosen.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(QLatin1String(FormatOfFilter(filter).suffix));
    });
    const QString path = RunFileDialog(&dialog);
    if (path.isEmpty()) return;
    const TextFormat format = TextFormatOfExtension(path.toStdString())
                                  .value_or(FormatOfFilter(dialog.selectedNameFilter()).format);
    const std::string text =
        DirectoryText(format, remote_setup_->Capability(), *remote_setup_->Copy(DirectoryCopy::Working));
    if (ReplaceFileContents(FilePath(path), text) != rs::kSuccess) {
        ShowMessage(this, LoadString(ids::kMsgExportFailed).arg(NameOf(path)), ids::kIdsAppTitle,
                    MessageStyle::Error);
    }
}

}  // namespace orvane
