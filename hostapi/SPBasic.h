// The basic suite: the host's directory of every other suite.
#pragma once

#include <cstddef>
#include <cstdint>

typedef std::int32_t SPErr;
// The host's boolean is a byte on macOS and a 32-bit integer on Windows;
// whoever reads IsEqual's result must read the width of its platform.
#ifdef __APPLE__
typedef unsigned char SPBoolean;
#else
typedef std::int32_t SPBoolean;
#endif

enum { kSPNoError = 0 };

#define kSPBasicSuite "SP Basic Suite"
#define kSPBasicSuiteVersion 4

extern "C" {
struct SPBasicSuite {
    SPErr (*AcquireSuite)(const char* name, std::int32_t version, const void** suite);
    SPErr (*ReleaseSuite)(const char* name, std::int32_t version);
    SPBoolean (*IsEqual)(const char* token1, const char* token2);
    SPErr (*AllocateBlock)(std::size_t size, void** block);
    SPErr (*FreeBlock)(void* block);
    SPErr (*ReallocateBlock)(void* block, std::size_t newSize, void** newblock);
    SPErr (*Undefined)(void);
};
}

#ifdef __APPLE__
static_assert(sizeof(SPBoolean) == 1, "SPBoolean is a byte on macOS");
#else
static_assert(sizeof(SPBoolean) == 4, "SPBoolean is 32 bits on Windows");
#endif
static_assert(sizeof(SPBasicSuite) == 56, "SPBasicSuite layout");
static_assert(offsetof(SPBasicSuite, ReleaseSuite) == 8, "SPBasicSuite layout");
static_assert(offsetof(SPBasicSuite, Undefined) == 48, "SPBasicSuite layout");
