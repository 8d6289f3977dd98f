#include "recording_opener.h"

namespace {

class Recorder : public orvane::ManualOpener {
  public:
    explicit Recorder(OpenedManuals* opened) : opened_(opened) {}
    bool OpenUrl(const QUrl& url) override {
        opened_->urls.append(url);
        return true;
    }
    bool StartViewer(const QString& program, const QStringList& arguments) override {
        opened_->viewers.append(QStringList{program} + arguments);
        return true;
    }

  private:
    OpenedManuals* opened_;
};

}  // namespace

std::unique_ptr<orvane::ManualOpener> RecordingOpener(OpenedManuals* opened) {
    return std::make_unique<Recorder>(opened);
}
