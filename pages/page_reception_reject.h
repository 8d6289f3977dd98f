// The rejected-numbers page (template 145): every reject slot of the Working copy.
#pragma once

#include "pages/rsu_page.h"

namespace orvane {

class CRSUPageReceptionReject : public CRSUPage {
    Q_OBJECT
  public:
    CRSUPageReceptionReject(CRSUPageHost* host, QWidget* parent);
};

}  // namespace orvane
