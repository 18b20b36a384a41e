#include "state/References.h"

#include <sstream>
#include <string>

namespace simhost {

namespace {

std::string Describe(const StreamTarget& target) {
    std::ostringstream out;
    if (target.IsGroup()) {
        out << "group of effect " << target.effect_uid;
    } else {
        out << "parameter " << target.param_index << " of effect " << target.effect_uid;
    }
    return out.str();
}

}  // namespace

void** References::NewToken() {
    tokens_.push_back(std::make_unique<void*>(nullptr));
    return tokens_.back().get();
}

AEGP_EffectRefH References::NewEffect(EffectTarget target) {
    void** token = NewToken();
    effects_[token] = target;
    ledger_.Hand(Resource::EffectRef, token, "to effect " + std::to_string(target.effect_uid));
    return reinterpret_cast<AEGP_EffectRefH>(token);
}

const EffectTarget* References::Effect(AEGP_EffectRefH effect) const {
    auto found = effects_.find(effect);
    return found == effects_.end() ? nullptr : &found->second;
}

bool References::DisposeEffect(AEGP_EffectRefH effect) {
    if (effects_.erase(effect) == 0) {
        ledger_.Violation("disposed of an effect reference the host does not hold out");
        return false;
    }
    return ledger_.Take(Resource::EffectRef, effect);
}

AEGP_StreamRefH References::NewStream(StreamTarget target) {
    void** token = NewToken();
    streams_[token] = target;
    ledger_.Hand(Resource::StreamRef, token, Describe(target));
    return reinterpret_cast<AEGP_StreamRefH>(token);
}

const StreamTarget* References::Stream(AEGP_StreamRefH stream) const {
    auto found = streams_.find(stream);
    return found == streams_.end() ? nullptr : &found->second;
}

bool References::DisposeStream(AEGP_StreamRefH stream) {
    if (streams_.erase(stream) == 0) {
        ledger_.Violation("disposed of a stream reference the host does not hold out");
        return false;
    }
    return ledger_.Take(Resource::StreamRef, stream);
}

void References::HandValue(const AEGP_StreamValue2* record) {
    ledger_.Hand(Resource::StreamValue, record, "read from a stream");
}

bool References::DisposeValue(const AEGP_StreamValue2* record) {
    return ledger_.Take(Resource::StreamValue, record);
}

AEGP_MemHandle References::NewMem(std::vector<unsigned char> bytes) {
    void** token = NewToken();
    const std::size_t size = bytes.size();
    mems_[token].bytes = std::move(bytes);
    ledger_.Hand(Resource::MemHandle, token, "of " + std::to_string(size) + " bytes");
    return reinterpret_cast<AEGP_MemHandle>(token);
}

bool References::MemExists(AEGP_MemHandle mem) const { return mems_.count(mem) != 0; }

void* References::LockMem(AEGP_MemHandle mem) {
    auto found = mems_.find(mem);
    if (found == mems_.end()) return nullptr;
    ++found->second.locks;
    ledger_.Hand(Resource::MemLock, mem, "lock");
    return found->second.bytes.data();
}

bool References::UnlockMem(AEGP_MemHandle mem) {
    auto found = mems_.find(mem);
    if (found == mems_.end() || found->second.locks == 0) return false;
    --found->second.locks;
    return ledger_.Take(Resource::MemLock, mem);
}

bool References::FreeMem(AEGP_MemHandle mem) {
    auto found = mems_.find(mem);
    if (found == mems_.end()) {
        ledger_.Violation("freed a memory handle the host does not hold out");
        return false;
    }
    if (found->second.locks > 0) ledger_.Violation("freed a locked memory handle");
    for (int i = 0; i < found->second.locks; ++i) ledger_.Take(Resource::MemLock, mem);
    mems_.erase(found);
    return ledger_.Take(Resource::MemHandle, mem);
}

std::optional<AEGP_MemSize> References::MemSize(AEGP_MemHandle mem) const {
    auto found = mems_.find(mem);
    if (found == mems_.end()) return std::nullopt;
    return static_cast<AEGP_MemSize>(found->second.bytes.size());
}

std::vector<unsigned char> References::MemBytes(AEGP_MemHandle mem) const {
    auto found = mems_.find(mem);
    return found == mems_.end() ? std::vector<unsigned char>{} : found->second.bytes;
}

}  // namespace simhost
