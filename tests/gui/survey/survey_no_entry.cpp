// A library registered as the survey component that lacks WriteAppInfoW.
extern "C" __attribute__((visibility("default"))) int WriteAppInfoA(const char*, const char*, const char*) {
    return 1;
}
