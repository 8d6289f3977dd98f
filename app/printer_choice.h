// The printers the window offers and the one a read resolves to: the model list beside the program,
// the installed printers of listed models, and the printer remembered from the last read.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "platform/model_list.h"

namespace orvane {

class PrinterChoice {
  public:
    // What Resolve reports besides 0.
    static constexpr int kPrinterGone = 1801;   // the printing system no longer knows the printer
    static constexpr int kModelNotListed = -1;  // its driver names no model of the list

    // Reads the model list "orvkit.dat" of `program_directory`; false when it cannot be read.
    bool ReadModels(const QString& program_directory);
    const QString& ModelListPath() const { return model_list_path_; }

    // The installed printers whose driver names a listed model, in the printing system's order.
    struct Listing {
        QStringList names;
        int choice = -1;          // the command line's printer, else the remembered one, else 0
        bool enumerated = false;  // false when the printing system could not be asked
    };
    Listing ListPrinters();

    // Resolves the installed printer `name` to its driver, port, model and product ID: 0,
    // kPrinterGone or kModelNotListed. The names are cleared first, whatever the outcome.
    int Resolve(const QString& name);
    const QString& PrinterName() const { return printer_name_; }
    const QString& PortName() const { return port_name_; }
    // The product ID of the model resolved for the last read (0 before one).
    std::uint16_t ProductId() const { return product_id_; }
    // The model resolved for the last read, or null.
    const ModelRecord* ResolvedModel() const;
    // The model of the installed printer `name`, found without a message; null when none.
    const ModelRecord* ModelOf(const QString& name) const;

    // Remembers `name` as the printer to offer first at the next start.
    void Remember(const QString& name);

  private:
    std::vector<ModelRecord> models_;
    QString model_list_path_;
    QString printer_name_;
    QString driver_name_;
    QString port_name_;
    std::uint16_t product_id_ = 0;
    int model_index_ = -1;
};

}  // namespace orvane
