// The rejected-numbers page (template 145): every reject slot of the Working copy.
#pragma once

#include "pages/rsu_page.h"

namespace orvane {

class CRSUPageReceptionReject : public CRSUPage {
    Q_OBJECT
  public:
    CRSUPageReceptionReject(CRSUPageHost* host, QWidget* parent);

  protected:
    void OnEdit() override;
    void OnSelectAll() override;
    void OnDelete() override;

  private:
    // Runs the rejected-number dialog for `row` and stores what it returns.
    void EditRow(int row);
};

}  // namespace orvane
