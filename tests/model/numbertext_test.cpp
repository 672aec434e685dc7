#include "model/numbertext.h"

#include <gtest/gtest.h>

TEST(NumberChecks, acceptNonNegativeValuesOnly) {
  EXPECT_TRUE(isNonNegativeInteger("0"));
  EXPECT_TRUE(isNonNegativeInteger("2147483647"));
  EXPECT_FALSE(isNonNegativeInteger(""));
  EXPECT_FALSE(isNonNegativeInteger("12a"));
  EXPECT_FALSE(isNonNegativeInteger("-1"));
  EXPECT_FALSE(isNonNegativeInteger("2147483648"));
  EXPECT_TRUE(isNonNegativeNumber("12.5"));
  EXPECT_TRUE(isNonNegativeNumber("-0.5"));
  EXPECT_FALSE(isNonNegativeNumber("-3"));
  EXPECT_FALSE(isNonNegativeNumber("nan"));
}
