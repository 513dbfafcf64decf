// The pool of the undo steps gives every distinct text its own id and every id its text
// back, byte for byte, whatever the texts' lengths and bytes.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "listview/StringPool.h"

namespace lumoscope {
namespace {

TEST(StringPoolTest, DistinctTextsGetDistinctIdsAndComeBackWhole) {
  std::mt19937 random(5);
  // Few bytes, so that texts differ in single places; NUL and high bytes among them.
  const std::string bytes("a\0\xE9 ", 4);
  std::vector<std::string> texts;
  for (int i = 0; i < 20000; ++i) {
    std::string text(random() % 26, ' ');
    for (char& c : text) c = bytes[random() % bytes.size()];
    texts.push_back(text);
  }
  StringPool pool;
  const std::vector<StringPool::Id> ids = pool.InternAll(texts);
  std::map<std::string, StringPool::Id> seen;
  for (size_t i = 0; i < texts.size(); ++i) {
    ASSERT_EQ(pool.Text(ids[i]), texts[i]);
    const auto [entry, added] = seen.emplace(texts[i], ids[i]);
    ASSERT_EQ(entry->second, ids[i]) << "one text, two ids";
  }
  EXPECT_EQ(pool.Size(), seen.size());
  // Compared with a list one edit away, the same ids come out.
  std::vector<std::string> edited = texts;
  edited.erase(edited.begin() + 100, edited.begin() + 103);
  std::vector<StringPool::Id> expected = ids;
  expected.erase(expected.begin() + 100, expected.begin() + 103);
  EXPECT_EQ(pool.InternAll(edited, &ids), expected);
}

TEST(StringPoolTest, ANumberIsTheTextOfItsDigitsBeforeAndAfterTheTextItself) {
  StringPool pool;
  for (const size_t number : {0UL, 7UL, 13990UL, 65535UL, 65536UL, 4000000000UL}) {
    const std::string digits = std::to_string(number);
    const StringPool::Id first = pool.InternNumber(number);
    EXPECT_EQ(pool.Text(first), digits);
    EXPECT_EQ(pool.Intern(digits), first);
    EXPECT_EQ(pool.InternNumber(number), first);
  }
  // Emptied, the pool forgets its numbers as well as its texts.
  pool.Clear();
  pool.Intern("something else");
  EXPECT_EQ(pool.Text(pool.InternNumber(7)), "7");
}

}  // namespace
}  // namespace lumoscope
