#include "platform/ui/Conversions.h"

#include <cstdint>

namespace vcl {

std::int32_t StrToInt(const std::string& text) {
    auto fail = [&]() -> std::int32_t {
        throw EConvertError("'" + text + "' is not a valid integer value");
    };
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == text.size())
        return fail();
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return fail();
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 2147483648LL)
            return fail();
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > INT32_MAX || value < INT32_MIN)
        return fail();
    return static_cast<std::int32_t>(value);
}

std::string IntToStr(long long value) {
    return std::to_string(value);
}

} // namespace vcl
