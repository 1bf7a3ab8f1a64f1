#include <gtest/gtest.h>

#include <cstring>

#include "survey/survey.h"

namespace {

TEST(Bstr, LengthPrefixAndTerminators) {
  const char text[] = "\x8d\xc0\x95W abc";  // Shift_JIS bytes
  BSTR s = SysAllocStringByteLen(text, 9);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(SysStringByteLen(s), 9u);
  uint32_t prefix;
  std::memcpy(&prefix, reinterpret_cast<char*>(s) - 4, 4);
  EXPECT_EQ(prefix, 9u);
  EXPECT_EQ(0, std::memcmp(s, text, 9));
  EXPECT_EQ(reinterpret_cast<char*>(s)[9], 0);
  EXPECT_EQ(reinterpret_cast<char*>(s)[10], 0);
  SysFreeString(s);

  BSTR z = SysAllocStringByteLen(nullptr, 3);
  EXPECT_EQ(SysStringByteLen(z), 3u);
  EXPECT_EQ(reinterpret_cast<char*>(z)[0], 0);
  SysFreeString(z);
  SysFreeString(nullptr);
  EXPECT_EQ(SysStringByteLen(nullptr), 0u);
}

TEST(Bstr, WideStringsAndReallocation) {
  const OLECHAR wide[] = {0x6E2C, 0x91CF, 0};
  BSTR w = SysAllocStringLen(wide, 2);
  EXPECT_EQ(SysStringByteLen(w), 4u);
  EXPECT_EQ(w[1], 0x91CF);
  EXPECT_EQ(w[2], 0);
  const OLECHAR other[] = {'a', 'b', 'c', 0};
  EXPECT_EQ(SysReAllocString(&w, other), 1);
  EXPECT_EQ(SysStringByteLen(w), 6u);
  EXPECT_EQ(w[2], 'c');
  SysFreeString(w);
}

}  // namespace
