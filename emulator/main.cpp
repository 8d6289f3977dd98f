// orvane-printer-sim: a virtual fax printer for tests, the demo and the benchmarks.
#include <sys/stat.h>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <thread>

#include "emulator/options.h"
#include "emulator/state_file.h"
#include "emulator/tcp_server.h"
#include "emulator/usb_device.h"

namespace {

using namespace orvane::sim;

void RequestStop(int) {
    g_stop_requested = true;
}

void InstallSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

// The directory at start: the state file when there is one, else the profile's sample entries.
std::string InitialDirectory(const Options& options, Directory& directory) {
    const Widths widths = Widths::From(options.printer.capability);
    directory = ShapeDirectory(widths, options.printer.order);
    const std::string& path = options.printer.state_path;
    struct stat info {};
    if (!path.empty() && ::stat(path.c_str(), &info) == 0) {
        Directory stored;
        if (std::string error = LoadStateFile(path, stored); !error.empty()) return error;
        if (const int dropped = FitDirectory(directory, stored); dropped > 0) {
            std::cerr << "orvane-printer-sim: " << dropped
                      << " stored entries have no slot on this printer\n";
        }
        return "";
    }
    FillSampleEntries(directory, widths, options.printer.capability.Text("keycode_type") == "type1");
    return path.empty() ? "" : SaveStateFile(path, directory);
}

bool WriteReadyFile(const std::string& path, const std::string& text) {
    const std::string temporary = path + ".tmp";
    {
        std::ofstream file(temporary, std::ios::trunc);
        file << text;
        if (!file.flush()) return false;
    }
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

void ServeUsb(UsbDevice& usb, Responder& responder, OperationLog& log) {
    while (!g_stop_requested) {
        ServeLink(usb, responder);
        if (g_stop_requested) break;
        log.Event("device node unplugged");
        if (std::string error = usb.Replug(); !error.empty()) {
            log.Event("device node not published again: " + error);
            return;
        }
        log.Event("device node plugged in again");
    }
}

int Run(Options& options) {
    OperationLog log;
    if (!options.log_path.empty() && !log.Open(options.log_path)) {
        std::cerr << "orvane-printer-sim: cannot open log " << options.log_path << "\n";
        return 1;
    }
    Directory directory;
    if (std::string error = InitialDirectory(options, directory); !error.empty()) {
        std::cerr << "orvane-printer-sim: " << error << "\n";
        return 1;
    }
    Printer printer(options.printer, std::move(directory), log);
    Responder responder(printer, options.faults, log);
    InstallSignalHandlers();

    UsbDevice usb;
    TcpServer tcp;
    std::string ready;
    std::string error;
    if (!options.usb_directory.empty()) {
        error = usb.Publish(options.usb_directory, options.usb_index);
        ready += "usb " + usb.Path() + "\n";
    }
    if (error.empty() && !options.tcp_address.empty()) {
        error = tcp.Listen(options.tcp_address);
        ready += "tcp " + tcp.Bound() + "\n";
    }
    if (!error.empty()) {
        std::cerr << "orvane-printer-sim: " << error << "\n";
        return 1;
    }
    if (!options.ready_path.empty() && !WriteReadyFile(options.ready_path, ready)) {
        std::cerr << "orvane-printer-sim: cannot write " << options.ready_path << "\n";
        return 1;
    }
    std::string line = "orvane-printer-sim ready";
    if (!options.usb_directory.empty()) line += " usb=" + usb.Path();
    if (!options.tcp_address.empty()) line += " tcp=" + tcp.Bound();
    std::cout << line << std::endl;

    std::thread usb_thread;
    if (!options.usb_directory.empty()) usb_thread = std::thread([&] { ServeUsb(usb, responder, log); });
    if (!options.tcp_address.empty()) tcp.Run(responder);
    if (usb_thread.joinable()) usb_thread.join();
    while (!g_stop_requested) SleepUnlessStopped(100);
    usb.Unpublish();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    const std::string error = ParseOptions(std::vector<std::string>(argv + 1, argv + argc), options);
    if (!error.empty()) {
        std::cerr << "orvane-printer-sim: " << error << "\n(try --help)\n";
        return 2;
    }
    if (options.help) {
        std::cout << UsageText();
        return 0;
    }
    return Run(options);
}
