// The main window: printer choice, Read and Write, and (once read) the directory's pages.
#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace orvane {

// The program's one window (template 142), shown modally by start-up. Every control carries its
// ID as objectName.
class CRSUMain : public QDialog {
    Q_OBJECT
  public:
    explicit CRSUMain(QWidget* parent = nullptr);

    // Runs before the window closes; false keeps it open. Stores the pending language.
    bool PrepareExit();

    // The language the language dialog chose; stored at exit and used from the next start.
    std::uint16_t PendingLanguage() const { return pending_language_; }

    // Closes through PrepareExit (Close button, close box).
    void reject() override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateControls();
    QPushButton* AddButton(int id);
    void ShowNoDirectoryState();

    QComboBox* printer_list_ = nullptr;
    QTreeWidget* tree_ = nullptr;
    QLabel* directory_static_ = nullptr;
    QLabel* page_heading_ = nullptr;
    QLabel* bottom_static_ = nullptr;
    QFrame* page_placeholder_ = nullptr;
    QPushButton* read_ = nullptr;
    QPushButton* write_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* load_ = nullptr;
    QPushButton* help_ = nullptr;
    QPushButton* catalogue_ = nullptr;
    QPushButton* close_ = nullptr;
    std::uint16_t pending_language_ = 0;
};

}  // namespace orvane
