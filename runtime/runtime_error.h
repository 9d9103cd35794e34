#pragma once

#include <stdexcept>
#include <string>

namespace vrc::runtime {

// A run-time fault: a condition the program cannot recover from. Input
// mistakes are never reported this way; they are values.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string &name);
    [[nodiscard]] int number() const noexcept { return number_; }

private:
    int number_;
};

class OverflowError : public RuntimeError {
public:
    static constexpr int kNumber = 6;
    OverflowError();
};

[[noreturn]] void RaiseOverflow();

} // namespace vrc::runtime
