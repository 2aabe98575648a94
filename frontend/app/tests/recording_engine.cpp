// Stand-in for the engine library in the run service tests: it copies the
// names.dat it finds in the current folder to names.seen beside it, and
// answers 0 for the argument 9 (1 otherwise), like the engine's entry.
#include <cstdint>
#include <fstream>
#include <sstream>

extern "C" {
__attribute__((visibility("default"))) std::int32_t _IQUVEX(std::int32_t code) {
    std::ifstream in("names.dat");
    std::stringstream text;
    text << (in ? "" : "<no names.dat>\n") << in.rdbuf();
    std::ofstream("names.seen") << text.str();
    return code == 9 ? 0 : 1;
}
__attribute__((visibility("default"))) std::int32_t IQUVEX(std::int32_t code) {
    return _IQUVEX(code);
}
}
