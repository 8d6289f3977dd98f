// The base of the page lists' models: a read-only table over the Working copy of the directory.
#pragma once

#include <QAbstractTableModel>
#include <vector>

namespace orvane {

class CRSUFuncRemoteSetup;
struct DirectoryData;

// One column: header string ID and width in pixels.
struct ListColumn {
    int header_id;
    int width;
};

class DirectoryListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // The data role of the text Find looks in (a cell's text unless the list says otherwise).
    static constexpr int kFindTextRole = Qt::UserRole;

    explicit DirectoryListModel(std::vector<ListColumn> columns, QObject* parent = nullptr);

    // Shows the Working copy of `setup` (null: no rows); rebuilds every row.
    void Reset(CRSUFuncRemoteSetup* setup);
    const std::vector<ListColumn>& Columns() const { return columns_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  protected:
    // Rows of `working`, and the text of one cell.
    virtual int Rows(const DirectoryData& working) const = 0;
    virtual QString Cell(const DirectoryData& working, int row, int column) const = 0;
    // The text of one cell that Find looks in; the cell's text unless a list leaves some out.
    virtual QString FindText(const DirectoryData& working, int row, int column) const {
        return Cell(working, row, column);
    }
    CRSUFuncRemoteSetup* Setup() const { return setup_; }

  private:
    const DirectoryData* Working() const;

    std::vector<ListColumn> columns_;
    CRSUFuncRemoteSetup* setup_ = nullptr;
};

}  // namespace orvane
