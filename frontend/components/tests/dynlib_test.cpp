#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdint>

#include "dynlib.hpp"

namespace quvex {
namespace {

const std::string kEngine = QUVEX_ENGINE_LIBRARY;
const std::string kNotALibrary = std::string(QUVEX_FIXTURES) + "/not_a_library.so";

using TEntry = std::int32_t(std::int32_t);

// True while the process holds the library (without loading it).
bool Resident(const std::string& path) {
    void* h = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (h != nullptr) dlclose(h);
    return h != nullptr;
}

TEST(DynamicLibrary, LoadsTheEngineAndCallsItsEntry) {
    TDynamicLibrary lib;
    lib.SetLibraryName(kEngine);
    lib.Load();
    ASSERT_TRUE(lib.IsLoaded()) << lib.LastError();
    TEntry* entry = lib.GetProcAs<TEntry>("_IQUVEX");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry(8), 1); // anything but 9 is refused without running
    EXPECT_EQ(lib.GetProc("NoSuchExport"), nullptr);
    lib.Load(); // loaded already: nothing happens
    EXPECT_TRUE(lib.IsLoaded());
}

TEST(DynamicLibrary, GetProcBeforeLoad) {
    TDynamicLibrary lib(kEngine);
    try {
        lib.GetProc("_IQUVEX");
        FAIL();
    } catch (const EDLLNotOpenError& e) {
        EXPECT_STREQ(e.what(), "Library is not open");
    }
}

struct TFailCase {
    const char* what;
    std::string name;
    bool missing; // else: exists but cannot be loaded
};

TEST(DynamicLibrary, MissingFileIsToldApartFromBadFile) {
    const TFailCase cases[] = {
        {"missing path", std::string(QUVEX_FIXTURES) + "/no_such_library.so", true},
        {"missing bare name", "libquvex_no_such_library.so", true},
        {"missing folder", "/no/such/folder/QUVEX2014_DLL.so", true},
        {"not a library", kNotALibrary, false},
    };
    for (const TFailCase& c : cases) {
        TDynamicLibrary lib(c.name);
        try {
            lib.Load();
            ADD_FAILURE() << c.what << ": loaded";
        } catch (const EFileNotFoundError& e) {
            EXPECT_TRUE(c.missing) << c.what;
            EXPECT_STREQ(e.what(), "Library could not be located");
        } catch (const EInitError& e) {
            EXPECT_FALSE(c.missing) << c.what;
            EXPECT_STREQ(e.what(), "Library failed to properly initialize");
            EXPECT_FALSE(lib.LastError().empty());
        }
        EXPECT_FALSE(lib.IsLoaded()) << c.what;
        EXPECT_THROW(lib.GetProc("_IQUVEX"), EDLLError) << c.what;
    }
}

// The stand-in library has no unique symbols, so the system really unloads
// it on the last close (the engine may stay resident after dlclose).
TEST(DynamicLibrary, NewNameUnloadsFirst) {
    const std::string lib1 = QUVEX_STAND_IN_LIBRARY;
    ASSERT_FALSE(Resident(lib1));
    {
        TDynamicLibrary lib(lib1);
        lib.Load();
        ASSERT_TRUE(Resident(lib1));
        lib.SetLibraryName(kNotALibrary);
        EXPECT_FALSE(lib.IsLoaded());
        EXPECT_FALSE(Resident(lib1));
        EXPECT_EQ(lib.LibraryName(), kNotALibrary);
        lib.SetLibraryName(lib1);
        lib.Load();
        EXPECT_EQ(lib.GetProcAs<TEntry>("_IQUVEX")(8), 1);
    } // destruction unloads
    EXPECT_FALSE(Resident(lib1));
}

} // namespace
} // namespace quvex
