// The command line: how the program was started, and for which printer.
#pragma once

#include <QString>
#include <QStringList>

namespace orvane {

// How the program was started.
enum class LaunchKind {
    Plain = 0,       // started directly
    Launcher = 1,    // from the maker's launcher menu (flag "TALV")
    ForPrinter = 2,  // for a given printer (flag "DS")
};

// The launch state the command line leaves behind for the rest of the program.
struct LaunchState {
    int launch_source = 0;  // a LaunchKind value
    QString printer_name;   // printer to preselect; empty for none
};

// The process-wide launch state; read-only outside the command-line parser.
const LaunchState& TheLaunchState();
// The process-wide launch source (0, 1 or 2, see LaunchKind).
int LaunchSource();
// The printer named on the command line, or empty.
const QString& CommandLinePrinterName();

// Parses the program's flags into a launch state: the first flag decides ("TALV", "DS" or the
// empty flag); after "DS" the printer name is taken from the whole command line as the text
// between "/PrinterName," and the next ",".
class CORVCommandLineInfo {
  public:
    // Parser states.
    static constexpr int kStateFirstFlag = 0;    // no flag seen yet
    static constexpr int kStatePrinterName = 1;  // the flag after "DS" is due
    static constexpr int kStateFinished = 9;     // further flags are ignored

    // A parser that writes into `state` (the process-wide state by default).
    explicit CORVCommandLineInfo(LaunchState* state = nullptr);

    // Takes the program's arguments (without the program name) one by one.
    void ParseCommandLine(const QStringList& arguments);

    // One argument; a flag comes without its leading "/" or "-". `command_line` is the whole,
    // unsplit command line.
    void ParseParam(const QString& param, bool is_flag, const QString& command_line);

    int ParseState() const { return parse_state_; }
    const QString& PrinterName() const { return state_->printer_name; }

  private:
    void ParseFirstFlag(const QString& flag);

    LaunchState* state_;
    int parse_state_ = kStateFirstFlag;
};

}  // namespace orvane
