#include "runtime/runtime_error.h"

namespace vrc::runtime {

RuntimeError::RuntimeError(int number, const std::string &name)
    : std::runtime_error(name)
    , number_(number) {}

OverflowError::OverflowError()
    : RuntimeError(kNumber, "Overflow") {}

void RaiseOverflow() {
    throw OverflowError();
}

} // namespace vrc::runtime
