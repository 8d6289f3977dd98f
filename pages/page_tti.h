// The sender-information page (template 143): the sender name and fax number as one row.
#pragma once

#include "pages/rsu_page.h"

namespace orvane {

class CRSUPageTTI : public CRSUPage {
    Q_OBJECT
  public:
    CRSUPageTTI(CRSUPageHost* host, QWidget* parent);
};

}  // namespace orvane
