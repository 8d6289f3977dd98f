#include "app/communication.h"

#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QThread>
#include <QWidget>

#include "app/communicate_dlg.h"
#include "app/result_message.h"
#include "ui/deferred_notice.h"

namespace orvane {
namespace {

constexpr const char* kCommunicateObject = "orvkitCommunicateMutex";

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
    }
}

// A message box (a deferred notice) stays usable while the input of the window is discarded.
// Window-system windows pass: they hand the input on to their widgets, where it is caught.
bool BelongsToMessageBox(QObject* watched) {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && qobject_cast<QMessageBox*>(widget->window()) != nullptr;
}

}  // namespace

Communication::Communication(QWidget* window) : QObject(window), window_(window) {
    progress_timer_.setSingleShot(true);
    progress_timer_.setInterval(kProgressDelayMs);
    connect(&progress_timer_, &QTimer::timeout, this, &Communication::ShowProgress);
}

Communication::~Communication() {
    EndCommunication();
}

bool Communication::Communicating() {
    return NamedObject::Exists(kCommunicateObject);
}

bool Communication::BeginCommunication() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    inhibitor_.Acquire();
    NamedObjectStatus status = NamedObjectStatus::Failed;
    communicate_object_ = NamedObject::Create(kCommunicateObject, &status);
    // Another program of this session may hold the name too; the signal exists either way.
    if (status != NamedObjectStatus::Created && status != NamedObjectStatus::AlreadyExists) {
        inhibitor_.Release();
        QApplication::restoreOverrideCursor();
        return false;
    }
    progress_ = new CORVCommunicateDlg(window_);
    progress_->CentreOnOwner();
    if (!filtering_) qApp->installEventFilter(this);
    filtering_ = true;
    busy_ = true;
    window_->setEnabled(false);
    progress_timer_.start();
    return true;
}

std::int32_t Communication::RunWorker(const std::function<std::int32_t()>& operation) {
    std::int32_t result = 0;
    QThread* worker = QThread::create([&result, &operation] { result = operation(); });
    if (worker == nullptr) return kWorkerStartFailed;
    QEventLoop loop;
    connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    // A thread the system refused never finishes: waiting for it would hang the window.
    if (!worker->isRunning() && !worker->isFinished()) {
        delete worker;
        return kWorkerStartFailed;
    }
    if (!worker->isFinished()) loop.exec();
    worker->wait();
    delete worker;
    return result;
}

void Communication::EndCommunication() {
    if (!busy_) return;
    communicate_object_.Release();
    progress_timer_.stop();
    if (progress_ != nullptr) {
        progress_->hide();
        delete progress_;
    }
    progress_visible_ = false;
    busy_ = false;
    inhibitor_.Release();
    window_->setEnabled(true);
    QApplication::restoreOverrideCursor();
    // Input that arrived during the operation but is still queued is dropped too.
    QCoreApplication::processEvents();
    qApp->removeEventFilter(this);
    filtering_ = false;
}

void Communication::ShowProgress() {
    if (!busy_ || progress_ == nullptr) return;
    if (DeferredNoticeShown()) {
        // Keep the notice in front of the progress dialog.
        progress_->setAttribute(Qt::WA_ShowWithoutActivating);
        progress_->show();
        RaiseDeferredNotice();
    } else {
        progress_->show();
    }
    progress_visible_ = true;
}

bool Communication::eventFilter(QObject* watched, QEvent* event) {
    if (filtering_ && watched->isWidgetType() && IsUserInput(event->type()) &&
        !BelongsToMessageBox(watched)) {
        event->accept();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orvane
