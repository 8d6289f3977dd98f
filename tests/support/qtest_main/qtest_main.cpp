// main() of a program of several Qt Test classes (see qtest_class_main.h).
//
//   program Class [Qt Test options and functions]   runs one class
//   program --classes                              lists the classes
//
// A test that runs its own program again (QCoreApplication::applicationFilePath()) with only test
// functions as arguments gets its class from ORVANE_QTEST_CLASS, which main() sets for its children.
#include <QByteArray>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "qtest_class_main.h"

namespace orvane::testsupport {
namespace {

constexpr char kClassVariable[] = "ORVANE_QTEST_CLASS";

std::map<std::string, QtTestRun>& Classes() {
    static std::map<std::string, QtTestRun> classes;
    return classes;
}

void ListClasses(std::FILE* out) {
    for (const auto& [name, run] : Classes()) std::fprintf(out, "%s\n", name.c_str());
}

// Runs `name` with the arguments after it (from argv[first] on) behind the program's name.
int RunClass(const std::string& name, int argc, char** argv, int first) {
    ::setenv(kClassVariable, name.c_str(), 1);
    std::vector<char*> arguments = {argv[0]};
    for (int i = first; i < argc; ++i) arguments.push_back(argv[i]);
    arguments.push_back(nullptr);
    return Classes().at(name)(static_cast<int>(arguments.size()) - 1, arguments.data());
}

}  // namespace

bool RegisterQtTestClass(const char* name, QtTestRun run) {
    return Classes().emplace(name, run).second;
}

}  // namespace orvane::testsupport

int main(int argc, char** argv) {
    using namespace orvane::testsupport;
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--classes") {
        ListClasses(stdout);
        return 0;
    }
    if (Classes().count(first) != 0) return RunClass(first, argc, argv, 2);
    const QByteArray inherited = qgetenv(kClassVariable);
    if (Classes().count(inherited.toStdString()) != 0)
        return RunClass(inherited.toStdString(), argc, argv, 1);
    std::fprintf(stderr, "usage: %s CLASS [Qt Test arguments]; the classes:\n", argv[0]);
    ListClasses(stderr);
    return 2;
}
