// Stand-in for the engine library while it is not part of the build: the
// same entry points; it runs no analysis, so every call is refused (1) and
// no file is touched.
#include <cstdint>

extern "C" {
__attribute__((visibility("default"))) std::int32_t _IQUVEX(std::int32_t) {
    return 1;
}
__attribute__((visibility("default"))) std::int32_t IQUVEX(std::int32_t code) {
    return _IQUVEX(code);
}
}
