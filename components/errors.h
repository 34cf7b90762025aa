// Run-time errors of the core, each carrying a stable error number (6 overflow, 5 invalid
// argument, ...), so that handlers can tell them apart and the error box names the fault with a
// number a user can quote and look up.
#pragma once

#include <exception>
#include <string>
#include <utility>

namespace mirel {

enum class ErrorNumber : int {
  kInvalidArgument = 5,  // "Invalid procedure call or argument"
  kOverflow = 6,
  kPermissionDenied = 70,
};

// Built on std::exception with a message of its own rather than on std::runtime_error: in
// libstdc++ runtime_error keeps its message in the old reference-counted string, and deriving from
// it alone would link that whole second string class and the standard exception classes into the
// Windows programs. Unlike runtime_error's, copying the message can run out of memory; handlers
// catch by reference, so a thrown error is not copied.
class RunTimeError : public std::exception {
 public:
  RunTimeError(ErrorNumber number, std::string message)
      : message_(std::move(message)), number_(number) {}
  ErrorNumber Number() const noexcept { return number_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
  ErrorNumber number_;
};

// A value left the range of the integer type it was handed to, e.g. a month of 40000 given
// to DateSerial, whose parts are 16-bit.
class OverflowError : public RunTimeError {
 public:
  explicit OverflowError(std::string message)
      : RunTimeError(ErrorNumber::kOverflow, std::move(message)) {}
};

// An argument outside what a function accepts, e.g. a DateSerial year outside 100..9999.
class InvalidArgumentError : public RunTimeError {
 public:
  explicit InvalidArgumentError(std::string message)
      : RunTimeError(ErrorNumber::kInvalidArgument, std::move(message)) {}
};

}  // namespace mirel
