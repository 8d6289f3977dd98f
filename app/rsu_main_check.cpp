// The main window's check action and the check before Write.
#include <QAction>
#include <QMenu>
#include <QPushButton>

#include "app/check_report_dlg.h"
#include "app/rsu_main.h"
#include "directorytools/directory_new_problems.h"
#include "resources/resource_ids.h"
#include "ui/language_module.h"

namespace orvane {

void CRSUMain::CreateCheckAction() {
    check_ = AddWindowAction(LoadString(ids::kIdsCheckMenuItem), ids::kCmdCheck,
                             QKeySequence(Qt::CTRL | Qt::Key_K), &CRSUMain::OnCheck);
    // By mouse it is also the last command of the More menu.
    more_->menu()->addAction(check_);
}

void CRSUMain::OnCheck() {
    if (!remote_setup_ || IsBusy()) return;
    CRSUCheckReport report(CRSUCheckReport::Purpose::kShowAll,
                           CheckCopy(*remote_setup_, DirectoryCopy::Working), this);
    report.exec();
}

bool CRSUMain::AgreeToWriteProblems() {
    // What the printer's directory already had is not raised again on every write.
    const std::vector<DirectoryProblem> problems = ProblemsSinceRead(*remote_setup_);
    if (problems.empty()) return true;
    CRSUCheckReport report(CRSUCheckReport::Purpose::kBeforeWrite, problems, this);
    return report.exec() == QDialog::Accepted;
}

}  // namespace orvane
