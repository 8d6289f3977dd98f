#include "app/command_line.h"

namespace orvane {
namespace {

LaunchState& ProcessLaunchState() {
    static LaunchState state;
    return state;
}

const QString kPrinterNameKey = QStringLiteral("/PrinterName,");

// The text after "/PrinterName," up to the next ","; empty when either is missing.
QString PrinterNameIn(const QString& command_line) {
    const qsizetype key = command_line.indexOf(kPrinterNameKey);
    if (key < 0) return {};
    const qsizetype start = key + kPrinterNameKey.size();
    const qsizetype end = command_line.indexOf(QLatin1Char(','), start);
    return end < 0 ? QString() : command_line.mid(start, end - start);
}

}  // namespace

const LaunchState& TheLaunchState() {
    return ProcessLaunchState();
}
int LaunchSource() {
    return TheLaunchState().launch_source;
}
const QString& CommandLinePrinterName() {
    return TheLaunchState().printer_name;
}

CORVCommandLineInfo::CORVCommandLineInfo(LaunchState* state)
    : state_(state != nullptr ? state : &ProcessLaunchState()) {}

void CORVCommandLineInfo::ParseCommandLine(const QStringList& arguments) {
    const QString command_line = arguments.join(QLatin1Char(' '));
    for (const QString& argument : arguments) {
        const bool is_flag = argument.startsWith(QLatin1Char('/')) || argument.startsWith(QLatin1Char('-'));
        ParseParam(is_flag ? argument.mid(1) : argument, is_flag, command_line);
    }
}

void CORVCommandLineInfo::ParseParam(const QString& param, bool is_flag, const QString& command_line) {
    if (!is_flag) return;
    switch (parse_state_) {
        case kStateFirstFlag:
            ParseFirstFlag(param);
            break;
        case kStatePrinterName:
            state_->printer_name = PrinterNameIn(command_line);
            parse_state_ = kStateFinished;
            break;
        default:
            break;
    }
}

void CORVCommandLineInfo::ParseFirstFlag(const QString& flag) {
    if (flag == QLatin1String("DS")) {
        state_->launch_source = static_cast<int>(LaunchKind::ForPrinter);
        parse_state_ = kStatePrinterName;
        return;
    }
    if (flag == QLatin1String("TALV")) {
        state_->launch_source = static_cast<int>(LaunchKind::Launcher);
    } else {
        state_->launch_source = static_cast<int>(LaunchKind::Plain);
        if (!flag.isEmpty()) state_->printer_name.clear();
    }
    parse_state_ = kStateFinished;
}

}  // namespace orvane
