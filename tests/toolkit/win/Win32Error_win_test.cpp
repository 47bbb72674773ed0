#include "toolkit/win/Win32Error_win.h"

#include <gtest/gtest.h>

#include <string>

#include "support/RaisedMessage.h"

namespace {

// A code with the customer bit set has no text in the system's table.
constexpr DWORD kCodeWithoutText = 0x20001234;

TEST(Win32Error, NamesTheCallAndGivesTheCodeWhenTheSystemHasNoText) {
    EXPECT_EQ(MessageOf([] { ThrowWin32Error("StartDoc", kCodeWithoutText); }), "StartDoc failed: error 536875572");
    SetLastError(kCodeWithoutText);
    EXPECT_EQ(MessageOf([] { ThrowLastError("RegisterClassEx"); }), "RegisterClassEx failed: error 536875572");
}

// The system's texts end in a full stop and a line break, which the message must not carry on.
TEST(Win32Error, GivesTheSystemTextWithoutItsFullStopAndLineBreak) {
    for (const DWORD code : {DWORD{ERROR_ACCESS_DENIED}, DWORD{ERROR_FILE_NOT_FOUND}, DWORD{ERROR_NOT_ENOUGH_MEMORY}}) {
        SCOPED_TRACE(code);
        const std::string message = MessageOf([code] { ThrowWin32Error("EndPage", code); });
        const std::string prefix = "EndPage failed: ";
        ASSERT_GT(message.size(), prefix.size());
        EXPECT_EQ(message.substr(0, prefix.size()), prefix);
        EXPECT_NE(message.substr(prefix.size()), "error " + std::to_string(code));
        const char last = message.back();
        EXPECT_TRUE(last != '.' && last != '\r' && last != '\n') << message;
    }
}

}  // namespace
