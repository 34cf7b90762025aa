// On Windows the holiday file is text in the system's ANSI code page, decoded by the platform.
#include <windows.h>

#include <climits>

#include "calendar/day_off_text.h"
#include "components/win32/text_conversion.h"

namespace mirel {
namespace {

constexpr wchar_t kReplacementCharacter = L'\xFFFD';

// Appends the conversion of bytes that are all valid in the code page; false when some are not.
bool AppendValid(std::string_view bytes, UINT codePage, std::wstring& wide) {
  if (bytes.size() > static_cast<std::size_t>(INT_MAX)) {
    return false;
  }
  const int length = static_cast<int>(bytes.size());
  const int needed =
      ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (needed <= 0) {
    return false;
  }
  const std::size_t start = wide.size();
  wide.resize(start + static_cast<std::size_t>(needed));
  ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), length, wide.data() + start,
                        needed);
  return true;
}

}  // namespace

struct AnsiDecoder::Converter {
  UINT codePage = CP_ACP;
};

AnsiDecoder::AnsiDecoder() : AnsiDecoder(::GetACP()) {}

AnsiDecoder::AnsiDecoder(unsigned codePage) : converter_(std::make_unique<Converter>()) {
  converter_->codePage = codePage;
}

AnsiDecoder::~AnsiDecoder() = default;

std::string AnsiDecoder::Decode(std::string_view bytes) {
  const UINT codePage = converter_->codePage;
  if (codePage == CP_UTF8) {
    return SanitizeUtf8(bytes);
  }
  std::wstring wide;
  if (bytes.empty() || AppendValid(bytes, codePage, wide)) {
    return win32::WideToUtf8(wide);
  }
  // Some bytes are invalid: convert one character at a time, so that each invalid byte alone
  // becomes U+FFFD and the characters around it survive.
  wide.clear();
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto byte = static_cast<BYTE>(bytes[i]);
    const std::size_t length = (::IsDBCSLeadByteEx(codePage, byte) && i + 1 < bytes.size()) ? 2 : 1;
    if (AppendValid(bytes.substr(i, length), codePage, wide)) {
      i += length;
    } else {
      wide += kReplacementCharacter;
      ++i;
    }
  }
  return win32::WideToUtf8(wide);
}

bool IsPlainFile(const NativePath& file) {
  const DWORD attributes = ::GetFileAttributesW(file.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    return false;
  }
  constexpr DWORD kNotPlain =
      FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  return (attributes & kNotPlain) == 0;
}

std::FILE* OpenForReading(const NativePath& file) {
  return ::_wfopen(file.c_str(), L"rb");
}

}  // namespace mirel
