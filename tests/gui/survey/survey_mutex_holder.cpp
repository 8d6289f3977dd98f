// Holds the survey mutex for a test: prints "held" once it holds it, and lets it go when its
// standard input ends.
#include <cstdio>

#include "transport/named_object.h"

int main() {
    orvane::NamedObjectStatus status = orvane::NamedObjectStatus::Failed;
    orvane::NamedObject held = orvane::NamedObject::Create("Global\\ORV_PCInformation", &status);
    std::puts(status == orvane::NamedObjectStatus::Created ? "held" : "not held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
