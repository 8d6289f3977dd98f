// The speed-dial page (template 144): every dial slot of the Working copy.
#pragma once

#include "pages/rsu_page.h"

namespace orvane {

class CRSUPageSpeedDial : public CRSUPage {
    Q_OBJECT
  public:
    CRSUPageSpeedDial(CRSUPageHost* host, QWidget* parent);
};

}  // namespace orvane
