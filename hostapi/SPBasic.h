// The basic suite: the host's directory of every other suite.
#pragma once

#include <cstddef>
#include <cstdint>

typedef std::int32_t SPErr;
typedef std::int32_t SPBoolean;

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

static_assert(sizeof(SPBasicSuite) == 56, "SPBasicSuite layout");
static_assert(offsetof(SPBasicSuite, ReleaseSuite) == 8, "SPBasicSuite layout");
static_assert(offsetof(SPBasicSuite, Undefined) == 48, "SPBasicSuite layout");
