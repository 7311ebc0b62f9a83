// A shared library that is not a module: it has no acrxEntryPoint.
extern "C" __attribute__((visibility("default"))) int noEntryValue() {
    return 7;
}
