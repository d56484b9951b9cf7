#include "errors.h"

#include <utility>

namespace engine {

Exception::Exception(std::string message) : message_(std::move(message)) {}

const std::string& Exception::Message() const noexcept { return message_; }

const char* Exception::what() const noexcept { return message_.c_str(); }

EInvalidOp::EInvalidOp() : EMathError("Invalid floating point operation") {}

EZeroDivide::EZeroDivide() : EMathError("Floating point division by zero") {}

EOverflow::EOverflow() : EMathError("Floating point overflow") {}

}  // namespace engine
