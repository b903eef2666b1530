// text_format.cpp: printf-style formatting into strings.
#include "board/text_format.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  // Room for the terminating 0 too, which is then dropped.
  std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
  std::vsnprintf(text.data(), text.size(), format, again);
  text.pop_back();
  va_end(again);
  return text;
}
