// The C++ library's throw helpers (std::__throw_length_error and its kin), defined by the Windows
// programs themselves.
//
// Why they exist: the string and container code the compiler expands into the program reports an
// impossible size or a position past the end by calling these helpers. libstdc++ defines all of
// them in one archive member that constructs every standard exception class, and those classes
// keep their messages in the library's old reference-counted string: one call to any helper links
// that whole second string class, the classes and their unwind tables into the executable. With
// every helper of that member defined here, the linker never needs the member (it takes a member
// only for a symbol still undefined). All of them, not only those called today: were one missing,
// the first call to it would bring the member in, and the link would fail on each helper defined
// twice. The link map of a release build lists what is linked; tests/e2e/test_release_package.sh
// holds the 32-bit program to its size limit.
//
// What they throw: std::bad_alloc where memory ran out or a size is beyond any allocation (so it
// is reported as running out of memory, error 7). Every other fault is a library error carrying
// the library's own message; handlers catch it as a std::exception, and the catch-all of every
// window procedure shows its message in the error box and lets the program go on (the Callbacks
// test in tests/win32/window_helpers_test.cpp throws both kinds through every kind of callback).
//
// This file goes into every Windows executable as an object file (components/win32/CMakeLists.txt):
// drawn from a static library, it would be linked only if some helper were still undefined at the
// moment the linker read that library. The native build keeps the library's own helpers.
#include <bits/functexcept.h>

#include <cstdarg>
#include <cstddef>
#include <exception>
#include <new>

namespace {

// A failure the library reports that is not about memory: an index past the end, a null pointer
// given for a string. The message is kept in the object, so throwing it allocates nothing more.
class LibraryError final : public std::exception {
 public:
  explicit LibraryError(const char* message) noexcept { Append(message); }

  // `format` as the library writes them: %s, %zu and %% are all it uses.
  LibraryError(const char* format, std::va_list arguments) noexcept {
    for (const char* c = format; *c != '\0'; ++c) {
      if (c[0] == '%' && c[1] == 's') {
        Append(va_arg(arguments, const char*));
        ++c;
      } else if (c[0] == '%' && c[1] == 'z' && c[2] == 'u') {
        AppendNumber(va_arg(arguments, std::size_t));
        c += 2;
      } else if (c[0] == '%' && c[1] == '%') {
        AppendChar('%');
        ++c;
      } else {
        AppendChar(*c);
      }
    }
  }

  const char* what() const noexcept override { return text_; }

 private:
  void AppendChar(char c) noexcept {
    if (length_ + 1 < sizeof text_) {  // longer messages are cut; the ones we know fit
      text_[length_++] = c;
      text_[length_] = '\0';
    }
  }
  void Append(const char* text) noexcept {
    for (; text != nullptr && *text != '\0'; ++text) {
      AppendChar(*text);
    }
  }
  void AppendNumber(std::size_t value) noexcept {
    char digits[3 * sizeof value];
    std::size_t count = 0;
    do {
      digits[count++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    while (count > 0) {
      AppendChar(digits[--count]);
    }
  }

  char text_[256] = {};
  std::size_t length_ = 0;
};

}  // namespace

// Out of memory, or a size no allocation can have: a string or vector asked to grow beyond its
// max_size(), an array new of a negative or overflowing length.
void std::__throw_bad_alloc() {
  throw std::bad_alloc();
}
void std::__throw_bad_array_new_length() {
  throw std::bad_alloc();
}
void std::__throw_length_error(const char*) {
  throw std::bad_alloc();
}

// Everything else: misuse the library refuses. Nothing in the programs calls the first three (they
// ask no type at run time and use no C++ locales); those carry the standard class names as text.
void std::__throw_bad_exception() {
  throw LibraryError("std::bad_exception");
}
void std::__throw_bad_cast() {
  throw LibraryError("std::bad_cast");
}
void std::__throw_bad_typeid() {
  throw LibraryError("std::bad_typeid");
}
void std::__throw_logic_error(const char* message) {
  throw LibraryError(message);
}
void std::__throw_domain_error(const char* message) {
  throw LibraryError(message);
}
void std::__throw_invalid_argument(const char* message) {
  throw LibraryError(message);
}
void std::__throw_out_of_range(const char* message) {
  throw LibraryError(message);
}
void std::__throw_out_of_range_fmt(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  const LibraryError error(format, arguments);
  va_end(arguments);
  throw error;
}
void std::__throw_runtime_error(const char* message) {
  throw LibraryError(message);
}
void std::__throw_range_error(const char* message) {
  throw LibraryError(message);
}
void std::__throw_overflow_error(const char* message) {
  throw LibraryError(message);
}
void std::__throw_underflow_error(const char* message) {
  throw LibraryError(message);
}
