// iquvex_call LIBRARY CODE [EXPORT]: loads the engine library as the front end
// does, calls the export (default _IQUVEX) with CODE and exits with its status.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: iquvex_call LIBRARY CODE [EXPORT]\n");
        return 100;
    }
    void* library = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 101;
    }
    using Entry = std::int32_t (*)(std::int32_t);
    auto entry = reinterpret_cast<Entry>(dlsym(library, argc > 3 ? argv[3] : "_IQUVEX"));
    if (!entry) {
        std::fprintf(stderr, "%s\n", dlerror());
        return 102;
    }
    const int status = entry(static_cast<std::int32_t>(std::atoi(argv[2])));
    std::fflush(stdout);
    dlclose(library);
    return status;
}
