// Elsewhere than on Windows the holiday file is read as code page 932, the ANSI code page of the
// Japanese systems the file is written on, through iconv.
#include <iconv.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <string>
#include <system_error>

#include "calendar/day_off_text.h"

namespace mirel {
namespace {

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD
const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

}  // namespace

struct AnsiDecoder::Converter {
  iconv_t handle = kNoConverter;
};

AnsiDecoder::AnsiDecoder() : AnsiDecoder(932) {}

AnsiDecoder::AnsiDecoder(unsigned codePage) : converter_(std::make_unique<Converter>()) {
  const std::string name = "CP" + std::to_string(codePage);
  converter_->handle = iconv_open("UTF-8", name.c_str());
}

AnsiDecoder::~AnsiDecoder() {
  if (converter_->handle != kNoConverter) {
    iconv_close(converter_->handle);
  }
}

std::string AnsiDecoder::Decode(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  if (converter_->handle == kNoConverter) {
    // Without the converter only ASCII can be told; every other byte is unreadable.
    for (char byte : bytes) {
      if (static_cast<unsigned char>(byte) < 0x80) {
        out += byte;
      } else {
        out += kReplacementCharacter;
      }
    }
    return out;
  }
  iconv(converter_->handle, nullptr, nullptr, nullptr, nullptr);
  // iconv takes a non-const input pointer but does not write through it.
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  std::array<char, 4096> buffer;
  while (inLeft > 0) {
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    const std::size_t result = iconv(converter_->handle, &in, &inLeft, &outPtr, &outLeft);
    const int error = errno;
    out.append(buffer.data(), buffer.size() - outLeft);
    if (result != static_cast<std::size_t>(-1) || error == E2BIG) {
      continue;
    }
    // EILSEQ (an invalid sequence) or EINVAL (a sequence cut at the end): one byte is lost to
    // U+FFFD and the reading goes on with the next.
    out += kReplacementCharacter;
    ++in;
    --inLeft;
    iconv(converter_->handle, nullptr, nullptr, nullptr, nullptr);
  }
  return out;
}

bool IsPlainFile(const NativePath& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error);
}

std::FILE* OpenForReading(const NativePath& file) {
  return std::fopen(file.c_str(), "rb");
}

}  // namespace mirel
