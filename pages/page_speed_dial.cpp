#include "pages/page_speed_dial.h"

#include "pages/speed_dial_model.h"
#include "resources/resource_ids.h"

namespace orvane {

CRSUPageSpeedDial::CRSUPageSpeedDial(CRSUPageHost* host, QWidget* parent)
    : CRSUPage(host,
               {ids::kIddSpeedDialPage, ids::kIdcSpeedDialList, ids::kIdsSpeedDialListTip,
                ids::kIdcSpeedDialEdit, ids::kIdcSpeedDialSelectAll, ids::kIdcSpeedDialDelete},
               new SpeedDialModel, parent) {
    AddSelectAllAccelerator();
}

}  // namespace orvane
