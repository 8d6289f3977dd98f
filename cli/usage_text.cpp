#include "cli/cli_options.h"

namespace orvane::cli {

const char* UsageText() {
    return R"(Usage:
  orvane-cli read --port PORT [--out FILE.rsd --product-id ID] [--json]
  orvane-cli read --printer NAME [--out FILE.rsd] [--json]
  orvane-cli write --port PORT FILE.rsd (--product-id ID | --force) [--force]
  orvane-cli write --printer NAME FILE.rsd [--force]
  orvane-cli show FILE.rsd [--json]
  orvane-cli printers [--json]
  orvane-cli --help

Commands:
  read    Reads the fax directory from the printer on PORT and prints it, or with --out saves it
          as a directory file (.rsd). Saving needs the printer's product ID (--product-id): the
          file records it, and a file can only be loaded into a printer with the same ID.
  write   Reads the printer on PORT, loads FILE.rsd into its directory and writes it back. A file
          of another product is refused unless --force is given. Just before writing, the
          printer's directory is read again; if it changed meanwhile, nothing is written unless
          --force is given. When the file holds what the printer already has, nothing is sent.
  show    Prints the directory held in FILE.rsd, using the capability recorded in the file.
  printers
          Lists the installed printers whose driver is a model of the model list (orvkit.dat
          beside the program): name, model, port and product ID.

Options:
  --port PORT       The printer's port: USB001, USB002, ... (the device node lp0, lp1, ... in
                    /dev/usb, or in ORVANE_USB_DEVICE_DIR when set) or VLNETP_<host>[:<port>]
                    for a network printer.
  --printer NAME    An installed printer by its exact name (see printers): its port and, from
                    the model list, its product ID.
  --product-id ID   The printer's product ID, decimal or 0x hexadecimal, 1 to 0xffff; with
                    --printer it replaces the model list's ID.
  --out FILE.rsd    read: save the directory to this file instead of printing it. An existing
                    file is replaced only when the new one is completely written.
  --json            read, show, printers: print JSON instead of a table.
  --force           write: accept another product's file and a printer changed since the read.

JSON output (read --json, show --json):
  {"capability": {the 21 capability values by name; the 3 texts as strings, the 18 numbers as
                  numbers},
   "slots": [one object per dial slot in the printer's order:
             {"id": "*00" or "01", "kind": "empty" | "individual" | "group",
              "name": UTF-8 text, "number": text (individual entries),
              "members": [slot IDs of a group's members]}],
   "sender": {"name": UTF-8 text, "number": text},
   "rejected": [{"id": "01", "number": text}, ...]}
  Names are converted from the printer's character code; a byte it cannot show becomes U+FFFD.

Environment:
  ORVANE_USB_DEVICE_DIR  the folder of the USB printer device nodes (default /dev/usb)
  ORVANE_PRINTERS        a printers file used instead of CUPS: one printer a line, name, driver
                         and port separated by tabs; "#" lines and empty lines are skipped

Exit status:
  0  success
  1  the printer or the file operation failed (the message says why)
  2  bad command line
)";
}

}  // namespace orvane::cli
