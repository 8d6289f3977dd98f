#include "pages/page_reception_reject.h"

#include "pages/reject_model.h"
#include "resources/resource_ids.h"

namespace orvane {

CRSUPageReceptionReject::CRSUPageReceptionReject(CRSUPageHost* host, QWidget* parent)
    : CRSUPage(host,
               {ids::kIddRejectPage, ids::kIdcRejectList, ids::kIdsRejectListTip, ids::kIdcRejectEdit,
                ids::kIdcRejectSelectAll, ids::kIdcRejectDelete, 50},
               new RejectModel, parent) {
    AddSelectAllAccelerator();
}

}  // namespace orvane
