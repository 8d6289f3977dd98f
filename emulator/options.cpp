#include "emulator/options.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <functional>
#include <map>

namespace orvane::sim {
namespace {

// The common namespace URI written when a request gives none to echo.
constexpr const char* kDefaultNamespaceUri = "http://www.velor.com/ns/cmd/2008/07/common/";

bool ParseCount(const std::string& text, long& value, long limit = 100000000) {
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        })) {
        return false;
    }
    value = std::stol(text);
    return value <= limit;
}

// "VALUE[@OPS]": the value and the operations it applies to (all when no list is given).
bool ParseScoped(const std::string& text, long& value, OperationScope& scope) {
    const std::size_t at = text.find('@');
    return ParseCount(text.substr(0, at), value) &&
           scope.Parse(at == std::string::npos ? "all" : text.substr(at + 1));
}

bool IsXmlName(const std::string& name) {
    if (name.empty() || !(std::isalpha(static_cast<unsigned char>(name[0])) || name[0] == '_')) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.';
    });
}

// Limits of this printer: slot IDs have two digits, and widths stay reasonable.
std::string CheckCapability(const Capability& capability) {
    const Widths w = Widths::From(capability);
    if (w.coded_slots > 100 || w.one_touch_slots > 99 || w.reject_slots > 99 ||
        w.reject_records_when_empty > 99) {
        return "at most 100 coded, 99 one-touch and 99 reject slots are supported";
    }
    for (long width :
         {w.name_width, w.number_width, w.sender_name_width, w.sender_number_width, w.reject_number_width}) {
        if (width > 1000) return "field widths above 1000 bytes are not supported";
    }
    return "";
}

using Handler = std::function<bool(Options&, const std::string&)>;

bool SetLong(long& target, const std::string& text) {
    return ParseCount(text, target);
}

const std::map<std::string, Handler>& ValueOptions() {
    static const std::map<std::string, Handler> handlers = {
        {"--usb",
         [](Options& o, const std::string& v) {
             o.usb_directory = v;
             return !v.empty();
         }},
        {"--usb-index",
         [](Options& o, const std::string& v) {
             long n = 0;
             return ParseCount(v, n, 998) && ((o.usb_index = static_cast<int>(n)), true);
         }},
        {"--tcp",
         [](Options& o, const std::string& v) {
             o.tcp_address = v;
             return !v.empty();
         }},
        {"--log",
         [](Options& o, const std::string& v) {
             o.log_path = v;
             return !v.empty();
         }},
        {"--ready-file",
         [](Options& o, const std::string& v) {
             o.ready_path = v;
             return !v.empty();
         }},
        {"--state",
         [](Options& o, const std::string& v) {
             o.printer.state_path = v;
             return !v.empty();
         }},
        {"--profile",
         [](Options& o, const std::string& v) {
             o.profile = v;
             return ProfileCapability(v).has_value();
         }},
        {"--keycode",
         [](Options& o, const std::string& v) {
             return !v.empty() && o.printer.capability.Set("keycode_type", v);
         }},
        {"--set",
         [](Options& o, const std::string& v) {
             const std::size_t eq = v.find('=');
             return eq != std::string::npos && o.printer.capability.Set(v.substr(0, eq), v.substr(eq + 1));
         }},
        {"--slot-order",
         [](Options& o, const std::string& v) {
             o.printer.order = v == "onetouch-first" ? SlotOrder::OneTouchFirst : SlotOrder::CodedFirst;
             return v == "onetouch-first" || v == "coded-first";
         }},
        {"--job-id-start",
         [](Options& o, const std::string& v) {
             long n = 0;
             return ParseCount(v, n, 99999999) &&
                    ((o.printer.job_id_start = static_cast<unsigned long>(n)), true);
         }},
        {"--job-timeout",
         [](Options& o, const std::string& v) { return SetLong(o.printer.job_timeout_seconds, v); }},
        {"--namespace-uri",
         [](Options& o, const std::string& v) {
             o.printer.namespace_uri = v;
             return !v.empty();
         }},
        {"--prefix",
         [](Options& o, const std::string& v) {
             o.printer.prefix = v;
             return IsXmlName(v) && v != "xmlns";
         }},
        {"--busy-jobs", [](Options& o, const std::string& v) { return SetLong(o.printer.busy_jobs, v); }},
        {"--edit-after-read",
         [](Options& o, const std::string& v) { return SetLong(o.printer.edit_after_read, v); }},
        {"--edit-after-write",
         [](Options& o, const std::string& v) { return SetLong(o.printer.edit_after_write, v); }},
        {"--stale-bytes",
         [](Options& o, const std::string& v) {
             long n = 0;
             return ParseScoped(v, n, o.faults.stale_scope) &&
                    ((o.faults.stale_bytes = static_cast<std::size_t>(n)), n <= 65536);
         }},
        {"--unrelated-doc",
         [](Options& o, const std::string& v) { return o.faults.unrelated_before.Parse(v); }},
        {"--split-payload",
         [](Options& o, const std::string& v) { return ParseCount(v, o.faults.split_payload, 1000); }},
        {"--pad-4096", [](Options& o, const std::string& v) { return o.faults.pad4096.Parse(v); }},
        {"--delay",
         [](Options& o, const std::string& v) {
             return ParseScoped(v, o.faults.delay_ms, o.faults.delay_scope);
         }},
        {"--silent-after",
         [](Options& o, const std::string& v) { return SetLong(o.faults.silent_after, v); }},
        {"--disconnect-at",
         [](Options& o, const std::string& v) { return SetLong(o.faults.disconnect_at, v); }},
        {"--status",
         [](Options& o, const std::string& v) {
             o.faults.status = v;
             return v.size() < 1000;
         }},
        {"--status-count",
         [](Options& o, const std::string& v) { return SetLong(o.faults.status_count, v); }},
    };
    return handlers;
}

// The profile goes first so that --keycode and --set override it whatever the order on the line.
std::string ProfileOf(const std::vector<std::string>& arguments) {
    std::string profile = "typical";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == "--profile" && i + 1 < arguments.size()) profile = arguments[i + 1];
        if (arguments[i].rfind("--profile=", 0) == 0) profile = arguments[i].substr(10);
    }
    return profile;
}

}  // namespace

std::string UsageText() {
    return R"(Usage: orvane-printer-sim [options]
A virtual fax printer that answers the remote-setup job protocol over a USB device node
(a pseudo-terminal) and/or TCP (the network port library's framed convention).

Transports (at least one):
  --usb DIR               publish the device node DIR/lp<N> (a symlink to a raw pseudo-terminal);
                          port USBnnn of a client with ORVANE_USB_DEVICE_DIR=DIR is DIR/lp<nnn-1>
  --usb-index N           N of lp<N> (default 0, i.e. port USB001)
  --tcp HOST:PORT         listen there; PORT 0 picks a free port ("[::1]:0" for IPv6)

Printer:
  --profile NAME          small | typical | large (default typical)
  --keycode TYPE          keycode_type: type1 = half-width kana names, anything else accented Latin
  --set FIELD=VALUE       override one of the 21 capability fields (repeatable)
  --state FILE            directory state file; created from the profile when missing, rewritten
                          after every successful SendData and every --edit-after-... edit
  --slot-order ORDER      coded-first (default) or onetouch-first
  --job-id-start N        first job ID handed out (default from the clock); 8 digits
  --job-timeout SEC       an idle job ends after SEC seconds (default 60, 0 = never)
  --namespace-uri URI     common namespace URI when a request has none to echo
                          (default http://www.velor.com/ns/cmd/2008/07/common/)

Run time:
  --log FILE              append one line per request received (see README.md)
  --ready-file FILE       written atomically once published: "usb PATH" and/or "tcp HOST:PORT" lines
  --help                  this text

Faults (OPS: comma-separated request names such as StartJob,ReceiveData, or "all"):
  --stale-bytes N[@OPS]   N stray bytes ahead of the answer's <?xml (same transfer)
  --unrelated-doc OPS     a GetStatusResponse document as its own transfer before the answer
  --split-payload N       ReceiveData: the answer alone, N GetStatusResponse transfers, then the payload
  --stray-start-job       ReceiveData: a StartJobResponse after the answer where the payload belongs,
                          then the payload
  --busy-jobs N           answer the first N StartJob requests NG "DeviceBusy"
  --prefix NAME           namespace prefix of the printer's documents (default ivec)
  --pad-4096 OPS          widen the answer so each transfer is an exact multiple of 4096 bytes
  --edit-after-read N     after the N-th ReceiveData answer someone edits one name on the printer
  --edit-after-write N    after the N-th accepted SendData the same
  --silent-after N        answer nothing once N requests were answered
  --disconnect-at N       send half of the N-th request's answer, then drop the link (USB: the node
                          disappears and is published again 0.5 s later; TCP: the connection closes)
  --delay MS[@OPS]        wait MS milliseconds before answering
  --status TEXT           network status reply text (default "STA:10;", e.g. "STA:11;" busy)
  --status-count N        only the first N status replies use TEXT, later ones "STA:10;"

SIGTERM or SIGINT ends the printer and removes the device node.
)";
}

std::string ParseOptions(const std::vector<std::string>& arguments, Options& options) {
    options.profile = ProfileOf(arguments);
    const auto capability = ProfileCapability(options.profile);
    if (!capability) return "unknown profile " + options.profile;
    options.printer.capability = *capability;
    options.printer.job_id_start = static_cast<unsigned long>(std::time(nullptr)) % 90000000UL + 10000000UL;
    options.printer.namespace_uri = kDefaultNamespaceUri;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string name = arguments[i];
        std::string value;
        const std::size_t eq = name.find('=');
        const bool inline_value = name.rfind("--", 0) == 0 && eq != std::string::npos;
        if (inline_value) {
            value = name.substr(eq + 1);
            name.resize(eq);
        }
        if (name == "--help" || name == "-h") {
            options.help = true;
            continue;
        }
        if (name == "--stray-start-job") {
            options.faults.stray_start_job = true;
            continue;
        }
        const auto handler = ValueOptions().find(name);
        if (handler == ValueOptions().end()) return "unknown option " + name;
        if (!inline_value) {
            if (i + 1 >= arguments.size()) return name + " needs a value";
            value = arguments[++i];
        }
        if (!handler->second(options, value)) return "bad value for " + name + ": " + value;
    }
    if (options.help) return "";
    if (options.usb_directory.empty() && options.tcp_address.empty())
        return "give --usb DIR and/or --tcp HOST:PORT";
    return CheckCapability(options.printer.capability);
}

}  // namespace orvane::sim
