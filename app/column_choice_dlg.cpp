#include "app/column_choice_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "directorytools/directory_csv.h"
#include "resources/resource_ids.h"

namespace orvane {

CRSUColumnChoiceDlg::CRSUColumnChoiceDlg(const std::vector<std::string>& headers, const QString& file_name,
                                         QWidget* parent)
    : CRSUEditDialog(ids::kIddColumnChoice, parent) {
    auto* prompt = new QLabel(TemplateText(ids::kIdcColumnPrompt).arg(file_name), this);
    prompt->setObjectName(QString::number(ids::kIdcColumnPrompt));
    prompt->setWordWrap(true);
    prompt->setAccessibleName(prompt->text());
    name_ = AddColumnList(ids::kIdcColumnName, headers, 0);
    number_ =
        AddColumnList(ids::kIdcColumnNumber, headers, std::min<int>(1, static_cast<int>(headers.size()) - 1));

    auto* columns = new QFormLayout;
    columns->addRow(AddLabel(ids::kIdcColumnName, name_), name_);
    columns->addRow(AddLabel(ids::kIdcColumnNumber, number_), number_);
    auto* content = new QVBoxLayout;
    content->addWidget(prompt);
    content->addLayout(columns);
    ArrangeAboveButtons(content);
}

QComboBox* CRSUColumnChoiceDlg::AddColumnList(int control_id, const std::vector<std::string>& headers,
                                              int selected) {
    auto* list = new QComboBox(this);
    list->setObjectName(QString::number(control_id));
    for (const std::string& header : headers) list->addItem(QString::fromStdString(header));
    list->setCurrentIndex(selected);
    return list;
}

CsvColumns CRSUColumnChoiceDlg::Columns() const {
    return {name_->currentText().toStdString(), number_->currentText().toStdString()};
}

}  // namespace orvane
