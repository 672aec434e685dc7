// What the window says after reading or writing files.

#include "commands/confirmations.h"

#include <gtest/gtest.h>

#include "model/language.h"

TEST(Confirmations, importAndExportSayHowManyTypesAndCartons) {
  EXPECT_EQ(packingListImportedMessage(3, 410), "导入 3 种纸箱，共 410 箱。");
  EXPECT_EQ(packingListExportedMessage(3, 410, "/home/me/list.csv"), "已导出 3 种纸箱，共 410 箱：/home/me/list.csv");
  setLanguage(Language::English);
  EXPECT_EQ(packingListImportedMessage(3, 410), "Imported 3 carton types, 410 cartons in all.");
  EXPECT_EQ(packingListImportedMessage(1, 1), "Imported 1 carton type, 1 carton.");
  EXPECT_EQ(packingListExportedMessage(1, 40, "/l.csv"), "Exported 1 carton type, 40 cartons in all, to /l.csv");
  setLanguage(Language::Chinese);
}

TEST(Confirmations, anExportedPlanIsNamedWithItsPath) {
  const std::string document = "/home/me/Cargolyx/packplan.htm";
  for (const Language language : {Language::Chinese, Language::English}) {
    setLanguage(language);
    EXPECT_NE(planExportedMessage(document).find(document), std::string::npos);
    EXPECT_NE(planExportedStatus(document).find(document), std::string::npos);
    EXPECT_NE(folderNotOpenedMessage("/home/me/Cargolyx/").find("/home/me/Cargolyx/"), std::string::npos);
  }
  setLanguage(Language::Chinese);
}
