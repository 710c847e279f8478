#include "platform/ui/Conversions.h"

#include <gtest/gtest.h>

namespace {

struct Good {
    const char* text;
    std::int32_t value;
};

TEST(StrToInt, AcceptsBlanksSignAndDigits) {
    const Good cases[] = {
        {"0", 0},
        {"42", 42},
        {"   42", 42},
        {"+7", 7},
        {"-7", -7},
        {"  -0012", -12},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"00000000000000000001", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vcl::StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RejectsAnythingElseWithTheTextInTheMessage) {
    const char* bad[] = {
        "",    " ",    "+",   "-",   "12 ",        "1 2",         "abc",
        "12a", "0x10", "$10", "1.5", "2147483648", "-2147483649", "99999999999999999999",
        "--1", "+-1",  "１"};
    for (const char* text : bad) {
        try {
            vcl::StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const vcl::EConvertError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

} // namespace
