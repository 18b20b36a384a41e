#include "FakeBasicSuite.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <stdexcept>

namespace {

// The basic suite's functions carry no context: the fake in use is the
// active one, and tests make one at a time.
FakeBasicSuite* TheFake() { return simhost::ActiveScope<FakeBasicSuite>::Current(); }

FakeBasicSuite* OnlyOne(FakeBasicSuite* fake) {
    if (TheFake() != nullptr) throw std::logic_error("one FakeBasicSuite at a time");
    return fake;
}

int FakeSprintf(A_char* buffer, const A_char* format, ...) {
    va_list args;
    va_start(args, format);
    const int written = std::vsnprintf(buffer, PF_MAX_EFFECT_MSG_LEN + 1, format, args);
    va_end(args);
    return written;
}

}  // namespace

FakeBasicSuite::FakeBasicSuite() : active_(OnlyOne(this)) {
    table_.AcquireSuite = Acquire;
    table_.ReleaseSuite = Release;
    utils.ansi.sprintf = FakeSprintf;
}

int FakeBasicSuite::Acquisitions() const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                          [](const SuiteCall& call) { return call.op == "acquire"; }));
}

int FakeBasicSuite::Releases() const {
    return static_cast<int>(std::count_if(calls_.begin(), calls_.end(),
                                          [](const SuiteCall& call) { return call.op == "release"; }));
}

const void* FakeBasicSuite::TableFor(const std::string& name, int version) {
    const std::string key = name + "/" + std::to_string(version);
    auto found = std::find(tables_.begin(), tables_.end(), key);
    if (found == tables_.end()) {
        tables_.reserve(256);  // addresses must stay put
        tables_.push_back(key);
        found = tables_.end() - 1;
    }
    return found->data();
}

SPErr FakeBasicSuite::Acquire(const char* name, std::int32_t version, const void** suite) {
    FakeBasicSuite* current = TheFake();
    current->calls_.push_back({"acquire", name, version});
    const int nth = current->Acquisitions();
    if (current->refuse_nth_.count(nth) != 0 || current->refused_names_.count(name) != 0) {
        *suite = nullptr;
        return 1;
    }
    *suite = current->null_names_.count(name) != 0 ? nullptr : current->TableFor(name, version);
    return kSPNoError;
}

SPErr FakeBasicSuite::Release(const char* name, std::int32_t version) {
    TheFake()->calls_.push_back({"release", name, version});
    return kSPNoError;
}
