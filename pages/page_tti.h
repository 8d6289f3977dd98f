// The sender-information page (template 143): the sender name and fax number as one row.
#pragma once

#include "pages/rsu_page.h"

namespace orvane {

class CRSUPageTTI : public CRSUPage {
    Q_OBJECT
  public:
    CRSUPageTTI(CRSUPageHost* host, QWidget* parent);

    // Rebuilds the row; shows message 162 when the texts cannot be converted for lack of memory.
    int RefreshList() override;

  protected:
    void OnEdit() override;
    void OnDelete() override;

  private:
    // Runs the sender dialog for `row` and stores what it returns.
    void EditRow(int row);
};

}  // namespace orvane
