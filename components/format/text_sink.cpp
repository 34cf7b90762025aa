#include "components/format/text_sink.h"

namespace mirel::format_detail {

TextSink& TextSink::AppendLong(std::string_view text) {
  Flush();
  if (text.size() > kCapacity) {
    out_.append(text);
    return *this;
  }
  return *this += text;
}

void TextSink::LongNumber(unsigned digits, int minDigits) {
  unsigned rest = digits;
  int length = 1;
  for (unsigned scale = 10; length < 10 && rest >= scale; scale *= 10) {
    ++length;
  }
  if (length < minDigits) {
    length = minDigits > 10 ? 10 : minDigits;
  }
  // Digits are written from the right end; the padding zeros come out of the same loop.
  char* digit = buffer_ + used_ + length;
  for (int i = 0; i < length; ++i) {
    *--digit = static_cast<char>('0' + rest % 10);
    rest /= 10;
  }
  used_ += static_cast<std::size_t>(length);
}

}  // namespace mirel::format_detail
