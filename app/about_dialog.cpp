#include "app/about_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "resources/language_table.h"
#include "resources/resource_ids.h"
#include "ui/language.h"
#include "ui/language_module.h"
#include "ui/template_controls.h"

namespace orvane {
namespace {

constexpr char kVersion[] = "1.3.0";
// The static text of a template that names no control of its own.
constexpr int kStaticText = -1;
constexpr QChar kLeftToRightEmbedding(u'\u202A');
constexpr QChar kPopDirectionalFormatting(u'\u202C');

// Arabic in any of its variants: the primary language (low 10 bits) is 1.
bool IsArabic(std::uint16_t language) {
    return (language & 0x03FF) == 0x0001;
}

QString TemplateText(int control_id) {
    return LoadTemplateText(ids::kIddLanguage, control_id);
}

QPushButton* AddButton(QDialogButtonBox* box, int id, QDialogButtonBox::ButtonRole role) {
    QPushButton* button = MakeTemplateButton(ids::kIddLanguage, id, box);
    box->addButton(button, role);
    return button;
}

}  // namespace

QString LanguageEntryText(const QString& native_name, const QString& english_name,
                          std::uint16_t current_language, std::uint16_t row_language) {
    if (IsArabic(current_language) && !IsArabic(row_language)) {
        return kLeftToRightEmbedding + QStringLiteral("(%1)%2").arg(english_name, native_name) +
               kPopDirectionalFormatting;
    }
    return QStringLiteral("%1(%2)").arg(native_name, english_name);
}

CAboutDlg::CAboutDlg(std::uint16_t current_language, std::uint16_t pending_language,
                     const QString& program_directory, QWidget* parent)
    : QDialog(parent), chosen_(pending_language) {
    setObjectName(QString::number(ids::kIddLanguage));
    setWindowTitle(LoadString(ids::kIdsAppTitle));
    auto* version = new QLabel(TemplateText(ids::kIdcLanguageVersion) + QLatin1String(kVersion), this);
    version->setObjectName(QString::number(ids::kIdcLanguageVersion));
    version->setAccessibleName(version->text());
    auto* prompt = new QLabel(TemplateText(kStaticText), this);
    languages_ = new QComboBox(this);
    languages_->setObjectName(QString::number(ids::kIdcLanguageList));
    languages_->setAccessibleName(WithoutMnemonic(prompt->text()));
    prompt->setBuddy(languages_);
    FillLanguages(current_language, program_directory);

    auto* buttons = new QDialogButtonBox(this);
    AddButton(buttons, ids::kIdOk, QDialogButtonBox::AcceptRole)->setDefault(true);
    AddButton(buttons, ids::kIdCancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAboutDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAboutDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(version);
    layout->addWidget(prompt);
    layout->addWidget(languages_);
    layout->addWidget(buttons);
}

void CAboutDlg::FillLanguages(std::uint16_t current_language, const QString& program_directory) {
    const auto rows = LanguageModuleTable();
    int selected = -1;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const LanguageRow& row = rows[i];
        if (!ModuleExistsIn(row.id, program_directory)) continue;
        const int number = static_cast<int>(i) + 1;
        const QString native_name = LoadAppString(ids::kIdsNativeNameBase + number);
        const QString english_name = LoadAppString(ids::kIdsEnglishNameBase + number);
        if (native_name.isEmpty() || english_name.isEmpty()) continue;
        languages_->addItem(LanguageEntryText(native_name, english_name, current_language, row.id), row.id);
        if (row.id == chosen_) selected = languages_->count() - 1;
    }
    // No entry is selected when the pending language's module is gone.
    languages_->setCurrentIndex(selected);
}

void CAboutDlg::accept() {
    if (languages_->currentIndex() >= 0) {
        chosen_ = static_cast<std::uint16_t>(languages_->currentData().toUInt());
    }
    QDialog::accept();
}

}  // namespace orvane
