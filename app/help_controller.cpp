#include "app/help_controller.h"

#include <QUrl>

#include "platform/manual_opener.h"
#include "platform/model_list.h"

namespace orvane {
namespace {

// The model's "Manual" values.
constexpr int kInstalledManual = 0;
constexpr int kOnlineManual = 1;

// The request of the redirect service: its query is sent exactly as composed here.
QUrl OnlineManualUrl(const QString& host, const QString& device_id, const QString& language_code) {
    QString device = device_id;
    device.replace(QLatin1Char(' '), QLatin1Char('+'));
    const QString query = QStringLiteral("FNC=ORV&OSV=W&DEV=") + device + QStringLiteral("&LNG=") +
                          language_code + QStringLiteral("&CTV=1.3&CTN=ORV%2FTop.html");
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setAuthority(host);
    url.setPath(QStringLiteral("/rd2.cgi"));
    url.setQuery(query, QUrl::TolerantMode);
    return url;
}

}  // namespace

HelpController::HelpController(std::unique_ptr<ManualOpener> opener) : opener_(std::move(opener)) {}

HelpController::~HelpController() = default;

void HelpController::SetOpener(std::unique_ptr<ManualOpener> opener) {
    opener_ = std::move(opener);
}

bool HelpController::Update(const ModelRecord* model) {
    manual_mode_ = model != nullptr ? model->manual : kInstalledManual;
    device_id_ = model != nullptr ? model->dev_id.value_or(QString()) : QString();
    help_reg_name_ = model != nullptr ? model->help_reg_name : std::nullopt;
    CheckManual();
    return available_;
}

void HelpController::CheckManual() {
    available_ = false;
    viewer_ = {};
    if (manual_mode_ == kOnlineManual) {
        available_ = true;
        return;
    }
    // Help opens nothing for any other mode, so it is not offered, whatever the viewer has.
    if (manual_mode_ != kInstalledManual || !help_reg_name_) return;
    viewer_ = FindManualViewer(*help_reg_name_);
    available_ = viewer_.available;
}

void HelpController::Open(const QString& language_code) {
    if (manual_mode_ == kOnlineManual) {
        opener_->OpenUrl(OnlineManualUrl(ManualHost(), device_id_, language_code));
    } else if (manual_mode_ == kInstalledManual) {
        CheckManual();
        if (available_) opener_->StartViewer(viewer_.program, {viewer_.info_path, viewer_.topic});
    }
}

}  // namespace orvane
