#include "shapefile/dbf.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/host.hpp"
#include "common/text.hpp"
#include "shapefile/test_fixtures.hpp"

namespace conv {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows rows(const DbfTable& t) {
  Rows out;
  for (std::int32_t r = 1; r <= t.record_count; ++r) {
    out.emplace_back();
    for (std::size_t i = 0; i < t.field_count(); ++i) out.back().emplace_back(t.value(r, i));
  }
  return out;
}

std::vector<std::string> types(const DbfTable& t) { return {t.types.begin(), t.types.end()}; }

class Dbf : public testing::Test {
 protected:
  DbfTable load(const std::string& name, std::int32_t capacity = 100000) {
    return DBF_Open(dir_.file(name), capacity, codec_);
  }
  // The message of the DbfError that loading raises ("" when it loads).
  std::string failure(const std::string& name, std::int32_t capacity = 100000) {
    try {
      load(name, capacity);
    } catch (const DbfError& e) {
      return e.what();
    }
    return "";
  }
  test::ScratchDir dir_;
  Cp932 codec_;
};

TEST_F(Dbf, ColumnsTypesAndValues) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"parcels"}));
  const DbfTable t = load("parcels.dbf");
  EXPECT_EQ(t.names, (std::vector<std::string>{"地番", "NOTE", "CODE", "AREA", "RATIO", "SURVEYED", "CHECKED"}));
  // N without decimals, N with decimals, then F, D, L and C are all text.
  EXPECT_EQ(types(t), (std::vector<std::string>{"string", "string", "integer", "real", "string", "string", "string"}));
  const Rows expected = {
      // A value holding "," stays one value.
      {"本町1-2", "1,2-3", "101", "123.45", "0.5000", "20200401", "T"},
      // Five double-byte characters fill a field of ten bytes.
      {"あいうえお", "x", "-7", "0.10", "-2.2500", "19991231", "F"},
      // The writer cut "A本町一丁目" at ten bytes, inside 目: its lone lead byte is
      // "?", and the next field's own text is untouched.
      {"A本町一丁?", "next", "0", "1000000.00", "0.0010", "20240229", ""},
      {"東町", "", "42", "-3.50", "0.0000", "00000000", "T"},
  };
  EXPECT_EQ(rows(t), expected);
}

TEST_F(Dbf, ReservedHeaderBytesAndDeletedRecords) {
  // Visual FoxPro keeps 263 bytes after the terminator; the records start at the
  // header length. The second record is marked deleted and still loaded.
  ASSERT_TRUE(test::make_fixtures(dir_, {"foxpro"}));
  const std::string bytes = test::slurp(dir_.file("foxpro.dbf"));
  ASSERT_EQ(static_cast<unsigned char>(bytes[8]) | static_cast<unsigned char>(bytes[9]) << 8, 32 + 3 * 32 + 1 + 263);
  ASSERT_EQ(bytes[392 + 25], '*');
  const DbfTable t = load("foxpro.dbf");
  EXPECT_EQ(t.names, (std::vector<std::string>{"NAME", "CODE", "AREA"}));
  EXPECT_EQ(types(t), (std::vector<std::string>{"string", "integer", "real"}));
  EXPECT_EQ(rows(t), (Rows{{"西町5", "5", "12.125"}, {"削除済み", "6", "0.500"}, {"栄町7", "7", "99.000"}}));
}

TEST_F(Dbf, NulBytesInNamesAndValues) {
  // The name "A\0junk" is "A"; NUL padding leaves the values.
  ASSERT_TRUE(test::make_fixtures(dir_, {"nuls"}));
  const DbfTable t = load("nuls.dbf");
  EXPECT_EQ(t.names, (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(rows(t), (Rows{{"ab", "cd e"}}));
}

TEST_F(Dbf, CharactersAtFieldBoundaries) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"split"}));
  const DbfTable t = load("split.dbf");
  EXPECT_EQ(rows(t), (Rows{
                         // い split between P and Q: each half is "?".
                         {"あ?", "?う", "ok"},
                         // A lone lead byte before ASCII text: that text stays.
                         {"ab?", "Abc", "あ"},
                     }));
}

TEST_F(Dbf, HundredFieldsAndTheCallersCapacity) {
  // 101 fields and 100,001 records are refused by the conversion (its tests); here
  // the largest table that loads, and a capacity of the caller's.
  ASSERT_TRUE(test::make_fixtures(dir_, {"wide100"}));
  const DbfTable t = load("wide100.dbf");
  ASSERT_EQ(t.field_count(), 100u);
  EXPECT_EQ(t.names[99], "F100");
  EXPECT_EQ(t.value(1, 99), "100");
  EXPECT_EQ(failure("wide100.dbf", 0), dir_.file("wide100.dbf") + "のレコードが、0件を超えました（1件）。");
}

TEST_F(Dbf, DamagedTables) {
  ASSERT_TRUE(test::make_fixtures(dir_, {"parcels"}));
  const std::string good = test::slurp(dir_.file("parcels.dbf"));
  // parcels.dbf: header 257 bytes (7 fields), records of 60 bytes, 4 records.
  ASSERT_EQ(good.size(), 257u + 4 * 60);
  const std::string path = dir_.file("bad.dbf");
  struct Case {
    const char* what;
    std::string bytes;
    std::string message;  // after the path
  } cases[] = {
      {"empty file", "", "のヘッダーが途中で終わっています。"},
      {"cut in the file header", good.substr(0, 20), "のヘッダーが途中で終わっています。"},
      {"cut in the descriptors", good.substr(0, 100), "のヘッダーが途中で終わっています。"},
      {"cut in record 3", good.substr(0, 257 + 2 * 60 + 7), "のレコード3が途中で終わっています（4件のうち）。"},
      {"no records at all", good.substr(0, 257), "のレコード1が途中で終わっています（4件のうち）。"},
      {"header length 32", test::patched(good, 8, std::string("\x20\x00", 2)), "のヘッダーが壊れています（ヘッダー長 32）。"},
      {"header length beyond the file", test::patched(good, 8, "\xff\xff"), "のヘッダーが途中で終わっています。"},
      {"record count 2^32 - 1", test::patched(good, 4, "\xff\xff\xff\xff"),
       "のレコードが、100000件を超えました（4294967295件）。"},
      {"record count 2^31", test::patched(good, 4, test::le32(0x80000000u)),
       "のレコードが、100000件を超えました（2147483648件）。"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dir_.write("bad.dbf", c.bytes);
    EXPECT_EQ(failure("bad.dbf"), path + c.message);
  }
}

TEST_F(Dbf, FieldsBeyondTheRecordAreCut) {
  // A record length shorter than the fields (and field lengths beyond it) cut the
  // values at the record's end; nothing is read past it.
  ASSERT_TRUE(test::make_fixtures(dir_, {"parcels"}));
  const std::string good = test::slurp(dir_.file("parcels.dbf"));
  struct Case {
    const char* what;
    std::string bytes;
    Rows rows;
  } cases[] = {
      // Records of 14 bytes: the flag, 地番 (10 bytes) and the first 3 bytes of NOTE;
      // the next "records" are the following 14-byte pieces of the first one.
      {"record length 14", test::patched(good, 10, std::string("\x0e\x00", 2)),
       {{"本町1-2", "1,2", "", "", "", "", ""},
        {"3", "10", "", "", "", "", ""},
        {"123.45", "", "", "", "", "", ""},
        {"0.500020", "200", "", "", "", "", ""}}},
      // Record length 0: every value is empty.
      {"record length 0", test::patched(good, 10, std::string("\x00\x00", 2)),
       {{"", "", "", "", "", "", ""}, {"", "", "", "", "", "", ""}, {"", "", "", "", "", "", ""},
        {"", "", "", "", "", "", ""}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dir_.write("cut.dbf", c.bytes);
    EXPECT_EQ(rows(load("cut.dbf")), c.rows);
  }
  // A field of 255 bytes in the last descriptor: its value is what the record holds.
  dir_.write("long.dbf", test::patched(good, 32 + 6 * 32 + 16, "\xff"));
  EXPECT_EQ(load("long.dbf").value(1, 6), "T");
}

TEST_F(Dbf, MissingFileIsARunTimeFailure) {
  try {
    load("gone.dbf");
    FAIL() << "loaded a missing file";
  } catch (const RuntimeFailure& f) {
    EXPECT_EQ(f.number(), kFileNotFound);
  }
}

TEST(DbfMidB, BytePositionsFromOne) {
  struct Case {
    std::int32_t start, length;
    std::string_view expected;
  } cases[] = {
      {1, 3, "abc"}, {2, 3, "bcd"}, {5, 10, "ef"}, {6, 1, "f"}, {7, 1, ""}, {100, 1, ""},
      {0, 2, ""},    {3, 0, ""},    {3, -1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start << "," << c.length);
    EXPECT_EQ(DBF_MidB("abcdef", c.start, c.length), c.expected);
  }
  // Bytes, not characters: 本 is two bytes in code page 932.
  EXPECT_EQ(DBF_MidB("\x96\x7b\x92\xac", 3, 2), "\x92\xac");
}

}  // namespace
}  // namespace conv
