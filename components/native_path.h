// A file path spelt as the platform spells it: UTF-16 on Windows, bytes elsewhere.
// The program passes paths as plain strings rather than std::filesystem::path: on Windows the
// latter pulls the C++ runtime's whole locale machinery into the executable (about 600 KB of a
// 1.1 MB program) for conversions it never needs.
#pragma once

#include <string>

namespace mirel {

#ifdef _WIN32
using NativePath = std::wstring;
inline constexpr wchar_t kPathSeparator = L'\\';
#else
using NativePath = std::string;
inline constexpr char kPathSeparator = '/';
#endif

}  // namespace mirel
