// The buffer the pattern applier writes into, with its number writer. Internal to the format
// library.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// For the few small steps of applying a pattern that GCC would otherwise keep out of line: forced
// inline where the build is made for speed (the native builds and benchmarks), left to the
// compiler where it is made for size (the Windows program, -Os), which formats its caption only
// twice a second and would grow by every copy.
#ifdef __OPTIMIZE_SIZE__
#define MIREL_HOT_INLINE inline
#else
#define MIREL_HOT_INLINE [[gnu::always_inline]] inline
#endif

namespace mirel::format_detail {

// Collects a result in a buffer on the stack and hands it to the string in few appends: the
// caption pattern makes a dozen small pieces twice a second. Call Flush() at the end.
class TextSink {
 public:
  explicit TextSink(std::string& out) : out_(out) {}
  TextSink(const TextSink&) = delete;
  TextSink& operator=(const TextSink&) = delete;

  TextSink& operator+=(std::string_view text) {
    if (text.size() > kCapacity - used_) {
      return AppendLong(text);
    }
    // Most pieces are a few bytes: a plain loop beats a call to memcpy here, and a separator of
    // one byte, the commonest piece, skips the loop's set-up.
    char* to = buffer_ + used_;
    if (text.size() == 1) {
      *to = text[0];
    } else {
      for (char c : text) {
        *to++ = c;
      }
    }
    used_ += text.size();
    return *this;
  }
  TextSink& operator+=(char c) { return *this += std::string_view(&c, 1); }

  // value (>= 0) in decimal, padded with zeros to minDigits (at most 10): Number(7, 2) is "07".
  // Forced inline where built for speed: GCC otherwise keeps it out of the large switch that
  // applies a pattern, and the call shows in bench/bench_format.
  MIREL_HOT_INLINE void Number(int value, int minDigits) {
    if (kCapacity - used_ < 12) {
      Flush();
    }
    const auto digits = static_cast<unsigned>(value < 0 ? 0 : value);
    // Days, months, hours, minutes and seconds: the caption's common case, kept inline.
    if (digits < 100 && minDigits <= 2) {
      // Without a branch on the value: whether an hour of "h" has one digit or two is as good as
      // random to the processor. With one, the units overwrite the tens.
      const std::size_t two = (minDigits == 2) | (digits >= 10);
      buffer_[used_] = static_cast<char>('0' + digits / 10);
      buffer_[used_ + two] = static_cast<char>('0' + digits % 10);
      used_ += 1 + two;
      return;
    }
    if (digits < 10000 && minDigits <= 4 && (digits >= 1000 || minDigits == 4)) {
      // Four-digit years.
      buffer_[used_++] = static_cast<char>('0' + digits / 1000);
      buffer_[used_++] = static_cast<char>('0' + digits / 100 % 10);
      buffer_[used_++] = static_cast<char>('0' + digits / 10 % 10);
      buffer_[used_++] = static_cast<char>('0' + digits % 10);
      return;
    }
    LongNumber(digits, minDigits);
  }

  void Flush() {
    out_.append(buffer_, used_);
    used_ = 0;
  }

 private:
  void LongNumber(unsigned digits, int minDigits);
  TextSink& AppendLong(std::string_view text);

  static constexpr std::size_t kCapacity = 240;
  std::string& out_;
  std::size_t used_ = 0;
  char buffer_[kCapacity];
};

}  // namespace mirel::format_detail
