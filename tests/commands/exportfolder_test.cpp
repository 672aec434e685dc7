#include "commands/exportfolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(ExportFolder, aMissingFolderIsMadeAndOneThatCannotBeSaysWhereAndWhy) {
  char pattern[] = "/tmp/cargolyx-exportfolder-XXXXXX";
  const std::string scratch = ::mkdtemp(pattern);

  const std::string nested = scratch + "/文档/Cargolyx";
  EXPECT_EQ(prepareExportFolder(nested), "");
  EXPECT_TRUE(fs::is_directory(nested));
  EXPECT_EQ(prepareExportFolder(nested), "") << "an existing folder is fine";

  // Under a regular file no folder can be made, whoever runs the test (root included).
  std::ofstream(scratch + "/file") << "x";
  const std::string underAFile = scratch + "/file/plans";
  const std::string message = prepareExportFolder(underAFile);
  EXPECT_NE(message.find(underAFile), std::string::npos) << message;
  EXPECT_NE(message.find("Not a directory"), std::string::npos) << message;
  const std::string aFile = prepareExportFolder(scratch + "/file");
  EXPECT_NE(aFile.find(scratch + "/file"), std::string::npos) << aFile;
  EXPECT_NE(prepareExportFolder(""), "");

  fs::remove_all(scratch);
}
