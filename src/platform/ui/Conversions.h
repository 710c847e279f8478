#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vcl {

class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// Text typed by the user to a 32-bit integer: leading blanks, an optional
// sign, decimal digits. Anything else (trailing blanks included) throws
// EConvertError "'<text>' is not a valid integer value".
std::int32_t StrToInt(const std::string& text);

// Decimal text of a number, as IntToStr.
std::string IntToStr(long long value);

} // namespace vcl
