#include "pages/page_tti.h"

#include "pages/sender_model.h"
#include "resources/resource_ids.h"

namespace orvane {

CRSUPageTTI::CRSUPageTTI(CRSUPageHost* host, QWidget* parent)
    : CRSUPage(host,
               {ids::kIddSenderPage, ids::kIdcSenderList, ids::kIdsSenderListTip, ids::kIdcSenderEdit,
                ids::kIdcSenderSpare, ids::kIdcSenderDelete, 150},
               new SenderModel, parent) {}

}  // namespace orvane
