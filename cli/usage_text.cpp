#include "cli/cli_options.h"
#include "cli/option_table.h"

#include <sstream>
#include <string>

namespace orvane::cli {
namespace {

constexpr char kCommandsText[] = R"(Usage:
  orvane-cli read --port PORT [--out FILE.rsd --product-id ID] [--json]
  orvane-cli read --printer NAME [--out FILE.rsd] [--product-id ID] [--json]
  orvane-cli write --port PORT FILE (--product-id ID | --force) [--dry-run] [--no-verify]
             [--base BASE.rsd [--prefer file|printer]]
  orvane-cli write --printer NAME FILE [--product-id ID] [--force] [--dry-run] [--no-verify]
             [--base BASE.rsd [--prefer file|printer]]
  orvane-cli write (--port PORT | --printer NAME ... | --all-of-model MODEL) FILE [--product-id ID]
             [--force] [--no-verify] [--base BASE.rsd [--prefer file|printer]]
  orvane-cli show FILE.rsd [--json]
  orvane-cli printers [--json]
  orvane-cli export (--port PORT | --printer NAME | FILE) --format csv|vcard|json [--out FILE]
             [--product-id ID]
  orvane-cli import SOURCE.(csv|vcf|json) --into FILE.rsd [--out FILE.rsd] [--replace]
             [--columns name=HEADER,number=HEADER]
  orvane-cli import SOURCE.(csv|vcf|json) --into (--port PORT | --printer NAME) [--out FILE.rsd]
             [--replace] [--columns name=HEADER,number=HEADER] [--product-id ID] [--force]
             [--no-verify]
  orvane-cli check (FILE | --port PORT | --printer NAME) [--product-id ID] [--json]
  orvane-cli diff A B [--product-id ID] [--json]  (A and B each FILE, --port PORT or --printer NAME)
  orvane-cli backups [--printer NAME]
  orvane-cli restore BACKUP.rsd (--port PORT | --printer NAME ... | --all-of-model MODEL)
             [--product-id ID] [--force] [--no-verify] [--base BASE.rsd [--prefer file|printer]]
  orvane-cli --help
  orvane-cli --version

Commands:
  read    Reads the fax directory from the printer on PORT and prints it, or with --out saves it
          as a directory file (.rsd). Saving needs the printer's product ID (--product-id, or
          the model list's for --printer): the file records it, and a file can only be loaded
          into a printer with the same ID.
  write   Reads the printer, loads FILE into its directory and writes it back. FILE is a
          directory file (.rsd) or a JSON document as read --json prints it ("-" reads JSON
          from standard input); JSON replaces the whole directory, with names and numbers
          fitted by the rules of the window's fields (every change is a warning). A directory
          file of another product is refused unless --force is given. Just before writing,
          the printer's directory is read again; if it changed meanwhile, nothing is written
          unless --force is given. When the file holds what the printer already has, nothing
          is sent. Before anything is sent, the directory read just then is saved as a backup
          (see backups); after the write the printer is read back and compared with what was
          sent (--no-verify skips that). --dry-run prints what would change and sends nothing.
          With --base BASE.rsd, the directory FILE was edited from, FILE is merged with the
          printer's directory instead of written over it: per slot (the sender and each
          rejected number too), what changed only on the printer stays and what changed only
          in FILE is taken. A slot both changed differently is a conflict: nothing is written,
          each conflict is listed by slot ID (exit status 5), unless --prefer file or --prefer
          printer settles every conflict. Group members naming a slot the merge emptied are
          dropped, each with a warning.
  show    Prints the directory held in FILE.rsd, using the capability recorded in the file.
          Wherever a command reads a directory FILE (show, export, check, diff), it may also be a
          JSON document as read --json prints it; its "capability" gives the slots.
  printers
          Lists the installed printers whose driver is a model of the model list (orvkit.dat
          beside the program): name, model, port and product ID.
  export  Prints the directory of a printer or a directory file as CSV, vCard or JSON, or
          saves it to the file --out names.
  import  Fits a CSV, vCard or JSON file into a directory file (saved over it, or to --out)
          or into a printer (written as write does, or saved to --out). Entries go to the
          slots they name; one without a slot (a CSV row without one, a vCard without
          X-ORVANE-SLOT) goes to the first free one-touch slot, then the first free coded
          slot. Names and numbers pass the rules of the window's fields (folded, cut to the
          printer's lengths, tidied); texts the target already holds stay as they are. Slots,
          the sender and rejected numbers the source does not name are kept, or emptied with
          --replace. A report lists every entry that was changed, cut or could not be placed.
  check   Reports group members that name empty slots, one number in several slots, groups
          without members, and names or numbers that the printer's rules refuse.
  diff    Lists what differs from A to B: slots added, removed or changed (name, number,
          members), the sender and the rejected numbers.
  backups Lists the backups saved before writes, oldest first: in $XDG_DATA_HOME/Orvane/
          backups (default ~/.local/share/Orvane/backups), "<printer>-<UTC time>.rsd", the
          newest 20 of each printer kept.
  restore Writes a backup back into a printer, as write does.

)";

constexpr char kFormatsText[] = R"(CSV (export --format csv, import):
  A header row slot,kind,name,number,members; one row per dial slot (kind empty, individual
  or group; members as slot IDs separated by spaces), a row of kind sender (no slot), and one
  row of kind rejected per reject slot. UTF-8; "," or ";" between fields; quotes as usual.
  Import also reads the contact lists of address books (Outlook, Google Contacts, Thunderbird):
  the name from a display-name column, else first and last name; the number from a fax column,
  else a business phone; each contact goes to a free slot. Where the columns are not
  recognised, --columns names them. Separator ",", ";" or tab; UTF-8 (with or without BOM),
  UTF-16 with BOM, else the locale's 8-bit code page (Windows-1252 under a UTF-8 locale).

vCard (export --format vcard, import):
  Export writes vCard 3.0: a card per individual entry (FN, N, TEL;TYPE=FAX, X-ORVANE-SLOT),
  and cards with X-ORVANE-KIND group (X-ORVANE-MEMBERS), sender and rejected. Import reads
  vCard 2.1, 3.0 and 4.0: folded lines, QUOTED-PRINTABLE, UTF-8 or ISO-8859-1; the name is FN,
  else N; the number is the TEL typed fax, else the first TEL.

JSON output (read --json, show --json, export --format json; read back by write and import):
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
  XDG_DATA_HOME          where the backups folder Orvane/backups lives

Exit status:
  0  success; check: no problems; diff: no differences
  1  the printer or the file operation failed (the message says why)
  2  bad command line
  3  check found problems; diff found differences
  4  a write went out, but the printer read back does not hold what was sent
  5  write or restore with --base: slots changed differently in FILE and on the printer;
     nothing was written
)";

constexpr std::size_t kHelpColumn = 20;  // where the text of each option starts
constexpr std::size_t kLineWidth = 100;

// "read, import, export": the commands that take `option`, in the order of the usage text.
std::string CommandNames(const OptionSpec& option) {
    std::string names;
    for (const CommandSpec& command : CommandTable()) {
        if (!option.TakenBy(command.command)) continue;
        if (!names.empty()) names += ", ";
        names += command.name;
    }
    return names;
}

// "  --out FILE        read, export, import: save ...", wrapped to kLineWidth columns.
std::string OptionText(const OptionSpec& option) {
    std::string line = "  " + std::string(option.name);
    if (!option.value_name.empty()) line += " " + std::string(option.value_name);
    std::string text;
    if (line.size() >= kHelpColumn) {
        text = line + "\n";
        line.clear();
    }
    line.resize(kHelpColumn, ' ');
    bool line_has_words = false;
    std::istringstream words(CommandNames(option) + ": " + std::string(option.help));
    for (std::string word; words >> word;) {
        if (line_has_words && line.size() + 1 + word.size() > kLineWidth) {
            text += line + "\n";
            line.assign(kHelpColumn, ' ');
            line_has_words = false;
        }
        if (line_has_words) line += ' ';
        line += word;
        line_has_words = true;
    }
    return text + line + "\n";
}

}  // namespace

std::string UsageText() {
    std::string text = kCommandsText;
    text += "Options:\n";
    for (const OptionSpec& option : OptionTable()) text += OptionText(option);
    return text + "\n" + kFormatsText;
}

}  // namespace orvane::cli
