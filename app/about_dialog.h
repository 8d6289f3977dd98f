// The language dialog (template 173): the program's version and the language for the next start.
#pragma once

#include <QDialog>
#include <cstdint>

class QComboBox;

namespace orvane {

// The text of one language entry: native name N and English name E as "N(E)"; while the program
// runs in Arabic, a row of another language reads left to right inside the right-to-left list:
// U+202A "(" E ")" N U+202C.
QString LanguageEntryText(const QString& native_name, const QString& english_name,
                          std::uint16_t current_language, std::uint16_t row_language);

// Lists, in the language module table's order, the languages whose module file is in
// `program_directory`; the entry of `pending_language` starts selected. OK makes the selected
// entry the chosen language; Cancel keeps `pending_language`.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    CAboutDlg(std::uint16_t current_language, std::uint16_t pending_language,
              const QString& program_directory, QWidget* parent);

    // The language chosen: the selected entry's after OK, else the pending language given.
    std::uint16_t ChosenLanguage() const { return chosen_; }

    void accept() override;

  private:
    void FillLanguages(std::uint16_t current_language, const QString& program_directory);

    QComboBox* languages_ = nullptr;
    std::uint16_t chosen_;
};

}  // namespace orvane
