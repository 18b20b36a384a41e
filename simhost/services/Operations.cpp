#include "services/Operations.h"

namespace simhost {

namespace {

#define SIMHOST_OPERATION_NAME(name) #name,
constexpr std::string_view kNames[] = {SIMHOST_FOR_EACH_OPERATION(SIMHOST_OPERATION_NAME)};
#undef SIMHOST_OPERATION_NAME

}  // namespace

std::string_view OpName(Op op) { return kNames[static_cast<std::size_t>(op)]; }

}  // namespace simhost
