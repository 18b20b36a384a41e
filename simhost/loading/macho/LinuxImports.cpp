#include "loading/macho/LinuxImports.h"

#include <dlfcn.h>
#include <pthread.h>

#include <cctype>
#include <cstdlib>
#include <cstring>

#include "loading/macho/MachOError.h"

namespace simhost::macho {

namespace {

// macOS's static initialisers (PTHREAD_MUTEX_INITIALIZER and its kin) are
// signature words that glibc would read as a held lock or a finished
// once-control. Each shim turns a statically initialised object into
// glibc's own initial state (all zero bytes) on first use. macOS's objects
// are at least as large as glibc's: a mutex 64 bytes (glibc 40), a
// condition variable 48 (48), a once-control 16 (glibc's int fits after
// the signature).
constexpr std::uint64_t kMacMutexInitialiser = 0x32AAABA7;
constexpr std::uint64_t kMacConditionInitialiser = 0x3CB0B1BB;
constexpr std::uint64_t kMacOnceInitialiser = 0x30B1BCBA;

void Adopt(void* object, std::uint64_t mac_initialiser, std::size_t glibc_size) {
    std::uint64_t signature = 0;
    std::memcpy(&signature, object, sizeof(signature));
    if (signature == mac_initialiser) std::memset(object, 0, glibc_size);
}

pthread_mutex_t* Mutex(pthread_mutex_t* mutex) {
    Adopt(mutex, kMacMutexInitialiser, sizeof(pthread_mutex_t));
    return mutex;
}

pthread_cond_t* Condition(pthread_cond_t* condition) {
    Adopt(condition, kMacConditionInitialiser, sizeof(pthread_cond_t));
    return condition;
}

int MacMutexLock(pthread_mutex_t* mutex) { return pthread_mutex_lock(Mutex(mutex)); }
int MacMutexUnlock(pthread_mutex_t* mutex) { return pthread_mutex_unlock(Mutex(mutex)); }
int MacCondWait(pthread_cond_t* condition, pthread_mutex_t* mutex) {
    return pthread_cond_wait(Condition(condition), Mutex(mutex));
}
int MacCondBroadcast(pthread_cond_t* condition) { return pthread_cond_broadcast(Condition(condition)); }

// The once-control's signature word is followed by room for glibc's.
int MacOnce(void* once, void (*routine)()) {
    auto* bytes = static_cast<unsigned char*>(once);
    Adopt(bytes, kMacOnceInitialiser, 8 + sizeof(pthread_once_t));
    return pthread_once(reinterpret_cast<pthread_once_t*>(bytes + 8), routine);
}

// macOS's key is 8 bytes wide, glibc's 4: the value fits, the width not.
int MacKeyCreate(std::uint64_t* key, void (*destructor)(void*)) {
    pthread_key_t glibc_key = 0;
    const int result = pthread_key_create(&glibc_key, destructor);
    if (result == 0) *key = glibc_key;
    return result;
}
void* MacGetSpecific(std::uint64_t key) { return pthread_getspecific(static_cast<pthread_key_t>(key)); }
int MacSetSpecific(std::uint64_t key, const void* value) {
    return pthread_setspecific(static_cast<pthread_key_t>(key), value);
}

// A Mach port naming the thread, which the C++ runtime takes as a thread's
// number: any nonzero 32-bit value that differs between live threads will
// do, and glibc's thread handles lie at least a page apart.
std::uint32_t MacMachThreadNumber(pthread_t thread) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(thread) >> 12) | 1u;
}

void MacBzero(void* bytes, std::size_t size) { std::memset(bytes, 0, size); }

// Asked whether the running macOS is at least some version: as new as
// the bundle needs.
bool MacAvailabilityVersionCheck(std::uint32_t, const void*) { return true; }

// The C++ runtime looks for optional system routines this way; there are
// none to give it.
void* MacDlopen(const char*, int) { return nullptr; }
void* MacDlsym(void*, const char*) { return nullptr; }

// Every lazy import is bound at load, so no stub ever asks dyld for one.
void UnreachableStubBinder() {
    std::fputs("Mach-O bundle: a lazy import was not bound at load\n", stderr);
    std::abort();
}

template <typename Function>
void* Address(Function* function) {
    return reinterpret_cast<void*>(function);
}

// Imports whose glibc or libgcc routine has the same name and meaning.
constexpr const char* kSameOnLinux[] = {
    "_Unwind_DeleteException", "_Unwind_GetIP", "_Unwind_GetLanguageSpecificData", "_Unwind_GetRegionStart",
    "_Unwind_RaiseException", "_Unwind_Resume", "_Unwind_SetGR", "_Unwind_SetIP",
    "strlen", "memchr", "strcmp", "strncmp", "fputc", "vfprintf", "fwrite", "snprintf",
    "malloc", "free", "realloc", "calloc", "aligned_alloc", "abort", "pthread_self",
};

struct Shim {
    const char* name;  // without the leading underscore
    void* address;
};

}  // namespace

MacSystemData::MacSystemData() : standard_error(stderr), rune_locale{} {
    // macOS's _RuneLocale: magic, encoding name, two routines, the invalid
    // rune, then the types, lower- and upper-case maps of the 256 cached
    // characters (as 32-bit words from byte 60), then tables this does not
    // need. The type bits are macOS's _CTYPE_ values; the low byte of a
    // hex digit holds its value, and a printable character's width is 1.
    constexpr std::uint32_t kAlpha = 0x100, kControl = 0x200, kDigit = 0x400, kGraph = 0x800,
                            kLower = 0x1000, kPunct = 0x2000, kSpace = 0x4000, kUpper = 0x8000,
                            kHex = 0x10000, kBlank = 0x20000, kPrint = 0x40000, kWidthOne = 0x40000000;
    std::memcpy(rune_locale.data(), "RuneMagANONE", 12);
    constexpr std::size_t kTypes = 60 / 4, kLowerMap = kTypes + 256, kUpperMap = kLowerMap + 256;
    for (int c = 0; c < 256; ++c) {
        std::uint32_t type = 0;
        if (c < 128) {
            if (std::isalpha(c)) type |= kAlpha;
            if (std::iscntrl(c)) type |= kControl;
            if (std::isdigit(c)) type |= kDigit;
            if (std::isgraph(c)) type |= kGraph;
            if (std::islower(c)) type |= kLower;
            if (std::ispunct(c)) type |= kPunct;
            if (std::isspace(c)) type |= kSpace;
            if (std::isupper(c)) type |= kUpper;
            if (std::isxdigit(c)) type |= kHex | static_cast<std::uint32_t>(std::isdigit(c) ? c - '0' : std::tolower(c) - 'a' + 10);
            if (std::isblank(c)) type |= kBlank;
            if (std::isprint(c)) type |= kPrint | kWidthOne;
        }
        const auto index = static_cast<std::size_t>(c);
        rune_locale[kTypes + index] = type;
        rune_locale[kLowerMap + index] = static_cast<std::uint32_t>(c < 128 ? std::tolower(c) : c);
        rune_locale[kUpperMap + index] = static_cast<std::uint32_t>(c < 128 ? std::toupper(c) : c);
    }
}

void* LinuxAddressOf(const std::string& symbol, MacSystemData& data) {
    if (symbol == "dyld_stub_binder") return Address(&UnreachableStubBinder);
    if (symbol.empty() || symbol[0] != '_') {
        throw MachOError("import " + symbol + " has no Linux equivalent");
    }
    const std::string name = symbol.substr(1);
    const Shim shims[] = {
        {"pthread_mutex_lock", Address(&MacMutexLock)},
        {"pthread_mutex_unlock", Address(&MacMutexUnlock)},
        {"pthread_cond_wait", Address(&MacCondWait)},
        {"pthread_cond_broadcast", Address(&MacCondBroadcast)},
        {"pthread_once", Address(&MacOnce)},
        {"pthread_key_create", Address(&MacKeyCreate)},
        {"pthread_getspecific", Address(&MacGetSpecific)},
        {"pthread_setspecific", Address(&MacSetSpecific)},
        {"pthread_mach_thread_np", Address(&MacMachThreadNumber)},
        {"__bzero", Address(&MacBzero)},
        {"_availability_version_check", Address(&MacAvailabilityVersionCheck)},
        {"dlopen", Address(&MacDlopen)},
        {"dlsym", Address(&MacDlsym)},
        {"__stderrp", &data.standard_error},
        {"_DefaultRuneLocale", data.rune_locale.data()},
    };
    for (const Shim& shim : shims) {
        if (name == shim.name) return shim.address;
    }
    for (const char* same : kSameOnLinux) {
        if (name != same) continue;
        if (void* address = dlsym(RTLD_DEFAULT, same)) return address;
        throw MachOError("import " + symbol + ": this process has no " + name);
    }
    throw MachOError("import " + symbol + " has no Linux equivalent");
}

}  // namespace simhost::macho
