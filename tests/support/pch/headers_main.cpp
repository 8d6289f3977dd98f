// The program that compiles a precompiled header for the test programs; it does nothing itself.
int main() {
    return 0;
}
