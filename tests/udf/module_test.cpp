// Loads VexoUdf.so as the server does (dlopen, entry points by name, arguments by reference) and
// checks the exported names, the calling convention and how failures are signalled.

#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>
#include <link.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

using TextFn1 = char* (*)(const char*);
using TextFn2 = char* (*)(const char*, const int*);
using TextFn3 = char* (*)(const char*, const int*, const int*);
using CoordFn = char* (*)(const char*, const char*, const int*, const int*);
using CalcFn = char* (*)(const char*, const char*, const char*);
using IntFn = int (*)(const char*);
using DoubleFn = double (*)(const char*);

class UdfModule : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        handle_ = dlopen(VEXO_UDF_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
    }
    static void TearDownTestSuite() {
        if (handle_ != nullptr) dlclose(handle_);
        handle_ = nullptr;
    }

    template <typename Fn>
    static Fn entry(const char* name) {
        void* symbol = dlsym(handle_, name);
        EXPECT_NE(symbol, nullptr) << name;
        return reinterpret_cast<Fn>(symbol);
    }

    // Takes ownership of a text result; the server frees these buffers with free().
    static std::string take(char* buffer) {
        EXPECT_NE(buffer, nullptr);
        if (buffer == nullptr) return {};
        std::string text(buffer);
        std::free(buffer);
        return text;
    }

    static inline void* handle_ = nullptr;
};

TEST_F(UdfModule, ExportsExactlyTheFifteenEntryPoints) {
    const std::string command = std::string(VEXO_NM_PROGRAM) + " -D --defined-only --format=posix '" +
                                VEXO_UDF_MODULE_PATH + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_NE(pipe, nullptr);
    std::set<std::string> names;
    char line[512];
    while (std::fgets(line, sizeof line, pipe.get()) != nullptr) {
        std::istringstream fields(line);
        std::string name;
        fields >> name;
        if (!name.empty()) names.insert(name);
    }
    const std::set<std::string> expected = {"strlen", "substr", "codlpu", "razd", "reform",
                                            "mm", "vn", "calc_expression", "calc_expression2", "vars",
                                            "numvars", "getvar", "coord", "numcycle", "numvarcycle"};
    EXPECT_EQ(names, expected);
}

// Offsets of the module's relocations against `symbol`, read from the file on disk.
std::vector<Elf64_Addr> relocation_offsets(const char* path, const char* symbol) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<Elf64_Addr> offsets;
    if (image.size() < sizeof(Elf64_Ehdr)) return offsets;
    const auto* header = reinterpret_cast<const Elf64_Ehdr*>(image.data());
    const auto* sections = reinterpret_cast<const Elf64_Shdr*>(image.data() + header->e_shoff);
    for (int i = 0; i < header->e_shnum; ++i) {
        if (sections[i].sh_type != SHT_RELA) continue;
        const Elf64_Shdr& symbols = sections[sections[i].sh_link];
        const Elf64_Shdr& names = sections[symbols.sh_link];
        const auto* relocations = reinterpret_cast<const Elf64_Rela*>(image.data() + sections[i].sh_offset);
        for (std::size_t r = 0; r < sections[i].sh_size / sizeof(Elf64_Rela); ++r) {
            const auto* sym = reinterpret_cast<const Elf64_Sym*>(image.data() + symbols.sh_offset) +
                              ELF64_R_SYM(relocations[r].r_info);
            if (std::strcmp(image.data() + names.sh_offset + sym->st_name, symbol) == 0) {
                offsets.push_back(relocations[r].r_offset);
            }
        }
    }
    return offsets;
}

// The module defines "strlen" for the server, but its own calls (from the C++ runtime linked into
// it) must still reach the C library: they go through the global lookup, where libc comes first.
TEST_F(UdfModule, InternalStrlenCallsReachTheCLibrary) {
    link_map* module = nullptr;
    ASSERT_EQ(dlinfo(handle_, RTLD_DI_LINKMAP, &module), 0);
    void* const libc_strlen = dlsym(RTLD_DEFAULT, "strlen");
    void* const entry_strlen = dlsym(handle_, "strlen");
    ASSERT_NE(libc_strlen, entry_strlen);
    const auto offsets = relocation_offsets(VEXO_UDF_MODULE_PATH, "strlen");
    ASSERT_FALSE(offsets.empty());
    for (const Elf64_Addr offset : offsets) {
        void* const bound = *reinterpret_cast<void* const*>(module->l_addr + offset);
        EXPECT_EQ(bound, libc_strlen);
    }
}

TEST_F(UdfModule, TextEntryPointsReturnFreshBuffers) {
    const int two = 2, four = 4, one = 1, zero = 0;
    EXPECT_EQ(entry<IntFn>("strlen")("abc"), 3);
    EXPECT_EQ(entry<IntFn>("strlen")(""), 0);
    EXPECT_EQ(take(entry<TextFn3>("substr")("ABCDEF", &two, &four)), "BCD");
    EXPECT_EQ(take(entry<TextFn3>("substr")("ABCDEF", &four, &two)), "");  // empty results are buffers too
    EXPECT_EQ(take(entry<TextFn2>("codlpu")("00010002", &two)), "0002");
    EXPECT_EQ(take(entry<TextFn2>("razd")("A>=B", &zero)), ">=");
    EXPECT_EQ(take(entry<TextFn1>("reform")("12 x 5")), "12*5");
    EXPECT_EQ(take(entry<TextFn1>("mm")("23")), "024");
    EXPECT_EQ(take(entry<TextFn1>("vn")("77")), "010");
    EXPECT_EQ(take(entry<CalcFn>("calc_expression")("A+B", "A$B$", "12.5$7$")), "12.5+7");
    EXPECT_EQ(take(entry<TextFn1>("vars")("A=B")), "A$B$");
    EXPECT_EQ(entry<IntFn>("numvars")("A$B$"), 2);
    EXPECT_EQ(take(entry<TextFn2>("getvar")("A$B$", &two)), "B");
    EXPECT_EQ(take(entry<CoordFn>("coord")("0410100,1000,1:5,3", "row", &two, &one)), "002");
    EXPECT_EQ(entry<IntFn>("numcycle")("0410100,1000,1:3,2.4"), 6);
    EXPECT_EQ(entry<IntFn>("numvarcycle")("0410100,1000,1,3+4"), 2);
    EXPECT_DOUBLE_EQ(entry<DoubleFn>("calc_expression2")("1/3"), 0.33);
}

TEST_F(UdfModule, NullArgumentsReadAsEmpty) {
    EXPECT_EQ(entry<IntFn>("strlen")(nullptr), 0);
    EXPECT_EQ(take(entry<TextFn3>("substr")(nullptr, nullptr, nullptr)), "");
    EXPECT_EQ(take(entry<CoordFn>("coord")(nullptr, nullptr, nullptr, nullptr)), "");
    EXPECT_DOUBLE_EQ(entry<DoubleFn>("calc_expression2")(nullptr), 0);
}

TEST_F(UdfModule, FailingCoordReturnsTextLongerThanAnyDeclaredResult) {
    const int one = 1;
    const std::string result = take(entry<CoordFn>("coord")("41,1000,.,3", "row", &one, &one));
    ASSERT_EQ(result.size(), 32768u);
    EXPECT_EQ(result.find(' '), std::string::npos);  // trailing blanks would be cut off silently
    EXPECT_EQ(result.rfind("VexoUdf:coord:", 0), 0u) << result.substr(0, 80);
}

TEST_F(UdfModule, FailingCalcExpression2ReturnsInfinityOrNaN) {
    const auto calc = entry<DoubleFn>("calc_expression2");
    const std::string big = "1" + std::string(200, '0');
    const double overflow = calc((big + "*" + big).c_str());
    EXPECT_TRUE(std::isinf(overflow) && overflow > 0) << overflow;
    EXPECT_TRUE(std::isnan(calc("100000000000000000")));
}

}  // namespace
