// The sender list: one row with the sender name and fax number.
#pragma once

#include "pages/directory_list_model.h"

namespace orvane {

class SenderModel : public DirectoryListModel {
    Q_OBJECT
  public:
    explicit SenderModel(QObject* parent = nullptr);

    // Converts the sender name and number of `setup`'s Working copy for display; call before Reset.
    // Throws std::bad_alloc when memory runs out (the texts shown are then empty).
    void Convert(CRSUFuncRemoteSetup* setup);

  protected:
    int Rows(const DirectoryData& working) const override;
    QString Cell(const DirectoryData& working, int row, int column) const override;

  private:
    QString name_;
    QString number_;
};

}  // namespace orvane
