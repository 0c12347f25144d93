#include <gtest/gtest.h>

#include "shell/readable_text.h"

TEST(ReadableText, WellFormedUtf8StaysAsItIs) {
    EXPECT_EQ(readableText("plain 100%"), "plain 100%");
    EXPECT_EQ(readableText("\xC3\xA9 \xE2\x98\x82 \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF"),
              "\xC3\xA9 \xE2\x98\x82 \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF");
}

TEST(ReadableText, EveryByteOfAMalformedSequenceBecomesACaret) {
    EXPECT_EQ(readableText("\xFE\x85\x85\x85\x85\x85\x85"), "^^^^^^^");
    EXPECT_EQ(readableText("\xFF"), "^");
    EXPECT_EQ(readableText("a\x85z"), "a^z");            // a lone continuation byte
    EXPECT_EQ(readableText("\xC0\x80"), "^^");           // an overlong NUL
    EXPECT_EQ(readableText("\xE0\x80\xAF"), "^^^");      // an overlong slash
    EXPECT_EQ(readableText("\xED\xA0\x80"), "^^^");      // a surrogate
    EXPECT_EQ(readableText("\xF4\x90\x80\x80"), "^^^^"); // past U+10FFFF
    EXPECT_EQ(readableText("end \xE2\x98"), "end ^^");   // cut short, as a 79-byte piece may be
}
