// text_format.h: printf-style formatting into strings, for messages written to a stream.
#pragma once

#include <string>

/// The text that printf would write for this format and these arguments.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
