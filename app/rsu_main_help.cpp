// The main window's Help: the selected model's manual, on-line through the maker's redirect
// service or installed and shown by the local manual viewer. Nothing here ever shows a message.
#include <QPushButton>
#include <QUrl>

#include "app/language_module.h"
#include "app/rsu_main.h"
#include "platform/manual_opener.h"
#include "resources/resource_ids.h"

namespace orvane {
namespace {

// The model's "Manual" values.
constexpr int kInstalledManual = 0;
constexpr int kOnlineManual = 1;

// The request of the redirect service: its query is sent exactly as composed here.
QUrl OnlineManualUrl(const QString& host, const QString& device_id, const QString& language_code) {
    QString device = device_id;
    device.replace(QLatin1Char(' '), QLatin1Char('+'));
    const QString query = QStringLiteral("FNC=ORV&OSV=W&DEV=") + device + QStringLiteral("&LNG=") + language_code +
                          QStringLiteral("&CTV=1.3&CTN=ORV%2FTop.html");
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setAuthority(host);
    url.setPath(QStringLiteral("/rd2.cgi"));
    url.setQuery(query, QUrl::TolerantMode);
    return url;
}

}  // namespace

void CRSUMain::SetManualOpener(std::unique_ptr<ManualOpener> opener) {
    manual_opener_ = std::move(opener);
}

void CRSUMain::ReadManualData() {
    manual_mode_ = kInstalledManual;
    device_id_.clear();
    const ModelRecord* model = ListedPrinterModel();
    if (model == nullptr) return;
    manual_mode_ = model->manual;
    device_id_ = model->dev_id.value_or(QString());
}

void CRSUMain::CheckManual() {
    help_available_ = false;
    viewer_ = {};
    if (manual_mode_ == kOnlineManual) {
        help_available_ = true;
        return;
    }
    // Help opens nothing for any other mode, so it is not offered, whatever the viewer has.
    if (manual_mode_ != kInstalledManual) return;
    const ModelRecord* model = ListedPrinterModel();
    if (model == nullptr || !model->help_reg_name) return;
    viewer_ = FindManualViewer(*model->help_reg_name);
    help_available_ = viewer_.available;
}

void CRSUMain::UpdateHelpState() {
    ReadManualData();
    CheckManual();
    help_->setEnabled(help_available_);
}

void CRSUMain::OnHelp() {
    if (manual_mode_ == kOnlineManual) {
        manual_opener_->OpenUrl(OnlineManualUrl(ManualHost(), device_id_, LoadString(ids::kIdsManualLanguage)));
    } else if (manual_mode_ == kInstalledManual) {
        CheckManual();
        if (help_available_) manual_opener_->StartViewer(viewer_.program, {viewer_.info_path, viewer_.topic});
    }
    CountUsage(UsageIndex::kHelp);
}

}  // namespace orvane
