// orvane-cli: reads, writes and shows fax directories without a window.
#include "cli/cli_commands.h"
#include "cli/cli_options.h"

#include <QCoreApplication>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    using namespace orvane::cli;
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    // The program's directory (model list) is found through the application object.
    QCoreApplication application(argc, argv);
    CliOptions options;
    std::string error;
    if (!ParseCommandLine(arguments, &options, &error)) {
        std::cerr << "orvane-cli: " << error << "\nTry 'orvane-cli --help' for more information.\n";
        return kExitUsage;
    }
    const int status = RunCommand(options, std::cout, std::cerr);
    std::cout.flush();
    return std::cout.good() ? status : kExitFailure;
}
