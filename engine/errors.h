// The error objects of the trial engine. Every failure is raised as one of
// these; nothing in the engine catches them.
#pragma once

#include <exception>
#include <string>

namespace engine {

class Exception : public std::exception {
 public:
  explicit Exception(std::string message);
  const std::string& Message() const noexcept;
  const char* what() const noexcept override;

 private:
  std::string message_;
};

// A field text that ParseInteger or ParseReal rejects.
class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

class EExternal : public Exception {
 public:
  using Exception::Exception;
};

// Floating-point faults of the engine's arithmetic.
class EMathError : public EExternal {
 public:
  using EExternal::EExternal;
};

class EInvalidOp : public EMathError {
 public:
  EInvalidOp();
};

class EZeroDivide : public EMathError {
 public:
  EZeroDivide();
};

class EOverflow : public EMathError {
 public:
  EOverflow();
};

// The log cannot take another line.
class EOutOfResources : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace engine
