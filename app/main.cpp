#include "app/console_request.h"
#include "app/orvane_app.h"

int main(int argc, char** argv) {
    if (const std::optional<int> status = orvane::AnswerConsoleRequest(argc, argv)) return *status;
    orvane::COrvaneApp app(argc, argv);
    return static_cast<int>(app.Run());
}
