#include "view3d/extensions.h"

#include <gtest/gtest.h>

namespace {

TEST(ExtensionListContains, matchesWholeWordsOnly) {
  const char* list = "GL_ARB_multisample GL_EXT_abgr GL_ARB_multitexture";
  EXPECT_TRUE(extensionListContains(list, "GL_ARB_multisample"));
  EXPECT_TRUE(extensionListContains(list, "GL_EXT_abgr"));
  EXPECT_TRUE(extensionListContains(list, "GL_ARB_multitexture"));
  EXPECT_FALSE(extensionListContains(list, "GL_ARB_multi")) << "a prefix";
  EXPECT_FALSE(extensionListContains(list, "EXT_abgr")) << "a suffix";
  EXPECT_FALSE(extensionListContains(list, "GL_EXT_abgr GL_ARB"));
  EXPECT_FALSE(extensionListContains(list, ""));
}

TEST(ExtensionListContains, toleratesSpacesAtEitherEndAndBetween) {
  EXPECT_TRUE(extensionListContains(" GL_A  GL_B ", "GL_B"));
  EXPECT_TRUE(extensionListContains(" GL_A  GL_B ", "GL_A"));
  EXPECT_FALSE(extensionListContains("", "GL_A"));
  EXPECT_FALSE(extensionListContains("   ", "GL_A"));
}

}  // namespace
