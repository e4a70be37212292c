#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "state/config_keys.h"

namespace {

TEST(ConfigKeys, TableHoldsEachOf127KeysOnceWithoutRegardToCase) {
  auto table = ConfigKeyTable();
  EXPECT_EQ(table.size(), 127u);
  for (const ConfigKey& row : table) {
    std::string upper(row.key), lower(row.key);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    EXPECT_EQ(FindConfigKey(upper), &row) << row.key;
    EXPECT_EQ(FindConfigKey(lower), &row) << row.key;
  }
  EXPECT_EQ(FindConfigKey(""), nullptr);
  EXPECT_EQ(FindConfigKey("EadiMode*"), nullptr);
  EXPECT_EQ(FindConfigKey("EadiMod"), nullptr);
}

}  // namespace
