// Path conventions: Windows paths use backslashes and drive colons, POSIX
// paths slashes. The helpers default to the host's style.
#pragma once

namespace kalvor {

enum class PathStyle { kWindows, kPosix };

constexpr PathStyle HostPathStyle() {
#ifdef _WIN32
  return PathStyle::kWindows;
#else
  return PathStyle::kPosix;
#endif
}

constexpr char PathSeparator(PathStyle style) {
  return style == PathStyle::kWindows ? '\\' : '/';
}

}  // namespace kalvor
