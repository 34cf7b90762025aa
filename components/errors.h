// Run-time errors of the core, each carrying a stable error number (6 overflow, 5 invalid
// argument, ...), so that handlers can tell them apart and the error box names the fault with a
// number a user can quote and look up.
#pragma once

#include <stdexcept>
#include <string>

namespace mirel {

enum class ErrorNumber : int {
  kInvalidArgument = 5,  // "Invalid procedure call or argument"
  kOverflow = 6,
  kPermissionDenied = 70,
};

class RunTimeError : public std::runtime_error {
 public:
  RunTimeError(ErrorNumber number, const std::string& message)
      : std::runtime_error(message), number_(number) {}
  ErrorNumber Number() const noexcept { return number_; }

 private:
  ErrorNumber number_;
};

// A value left the range of the integer type it was handed to, e.g. a month of 40000 given
// to DateSerial, whose parts are 16-bit.
class OverflowError : public RunTimeError {
 public:
  explicit OverflowError(const std::string& message)
      : RunTimeError(ErrorNumber::kOverflow, message) {}
};

// An argument outside what a function accepts, e.g. a DateSerial year outside 100..9999.
class InvalidArgumentError : public RunTimeError {
 public:
  explicit InvalidArgumentError(const std::string& message)
      : RunTimeError(ErrorNumber::kInvalidArgument, message) {}
};

}  // namespace mirel
