// A stand-in for the maker's survey component. WriteAppInfoW appends its three arguments to the
// file named by SURVEY_RECORDER_FILE, each as its UTF-16 code units with the terminating zero, and
// returns SURVEY_RECORDER_RESULT (1 when unset).
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace {

void Append(std::FILE* file, const char16_t* text) {
    std::size_t length = 0;
    while (text[length] != u'\0') ++length;
    std::fwrite(text, sizeof(char16_t), length + 1, file);
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int WriteAppInfoW(const char16_t* record_name,
                                                                    const char16_t* application_name,
                                                                    const char16_t* report_text) {
    const char* path = std::getenv("SURVEY_RECORDER_FILE");
    std::FILE* file = path != nullptr ? std::fopen(path, "ab") : nullptr;
    if (file == nullptr) return 0;
    for (const char16_t* text : {record_name, application_name, report_text}) Append(file, text);
    std::fclose(file);
    const char* result = std::getenv("SURVEY_RECORDER_RESULT");
    return result != nullptr ? std::atoi(result) : 1;
}
