#include "runtime/runtime_error.h"

#include <QtGlobal>

namespace vrc::runtime {

RuntimeError::RuntimeError(int number, const std::string &name)
    : std::runtime_error(name)
    , number_(number) {}

OverflowError::OverflowError()
    : RuntimeError(kNumber, QT_TRANSLATE_NOOP("vrc::runtime::FaultBoundary", "Overflow")) {}

void RaiseOverflow() {
    throw OverflowError();
}

} // namespace vrc::runtime
