#include "app/orvane_app.h"

int main(int argc, char** argv) {
    orvane::COrvaneApp app(argc, argv);
    return static_cast<int>(app.Run());
}
