#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <string>

#include "commands/packinglist.h"
#include "model/gbk.h"
#include "model/language.h"

namespace {

const std::string kHeader = "name,length,width,height,weight,count\n";

PackingList read(const std::string& text) { return readPackingList(text); }

void expectMessageNames(const PackingList& list, const std::string& where) {
  EXPECT_TRUE(list.cartons.empty());
  EXPECT_NE(list.message.find(where), std::string::npos) << list.message;
}

class InEnglish {
 public:
  InEnglish() { setLanguage(Language::English); }
  ~InEnglish() { setLanguage(Language::Chinese); }
};

// A file in a fresh folder, removed with the object.
class TemporaryFile {
 public:
  TemporaryFile() {
    char folder[] = "/tmp/packinglistXXXXXX";
    folder_ = ::mkdtemp(folder);
    path_ = folder_ + "/list.csv";
  }
  ~TemporaryFile() {
    ::unlink(path_.c_str());
    ::rmdir(folder_.c_str());
  }
  const std::string& path() const { return path_; }

 private:
  std::string folder_, path_;
};

}  // namespace

TEST(PackingList, readsTheRequiredColumnsWithDefaultsForTheOthers) {
  const PackingList list = read(kHeader + "电视机,1100,300,700,25.5,40\n冰箱,800,700,1800,60,3\n");
  ASSERT_TRUE(list.ok()) << list.message;
  ASSERT_EQ(list.cartons.size(), 2u);
  const Carton& tv = list.cartons[0];
  EXPECT_EQ(tv.name, "电视机");
  EXPECT_EQ(tv.length, 1100);
  EXPECT_EQ(tv.width, 300);
  EXPECT_EQ(tv.height, 700);
  EXPECT_DOUBLE_EQ(tv.weight, 25.5);
  EXPECT_EQ(tv.count, 40);
  EXPECT_FALSE(tv.mustUp);
  EXPECT_EQ(tv.spaceIndex, kSpaceNone);
  // Without a colour column the cartons take the colours new cartons would.
  EXPECT_EQ(list.cartons[0].material, 0);
  EXPECT_EQ(list.cartons[1].material, 1);
  EXPECT_EQ(readPackingList(kHeader + "a,100,100,100,1,1\n", 12).cartons.at(0).material, 2);
}

TEST(PackingList, takesTheColumnsInAnyOrderInEitherLanguage) {
  const PackingList english = read(" Count ;HEIGHT; Weight;notes;Width;Length;Name\n4;300;1,5;fragile;200;100;Box\n");
  ASSERT_TRUE(english.ok()) << english.message;
  const PackingList chinese = read("数量,高,重量,备注,宽,长,名称\n4,300,1.5,易碎,200,100,Box\n");
  ASSERT_TRUE(chinese.ok()) << chinese.message;
  for (const PackingList* list : {&english, &chinese}) {
    const Carton& c = list->cartons.at(0);
    EXPECT_EQ(c.name, "Box");
    EXPECT_EQ(c.length, 100);
    EXPECT_EQ(c.width, 200);
    EXPECT_EQ(c.height, 300);
    EXPECT_EQ(c.count, 4);
    EXPECT_DOUBLE_EQ(c.weight, 1.5);  // a decimal comma where semicolons separate
  }
}

TEST(PackingList, readsUtf8WithAByteOrderMarkAndGbk) {
  const std::string body = "名称,长,宽,高,重量,数量\r\n电视机,1100,300,700,25,40\r\n";
  const PackingList withMark = read("\xEF\xBB\xBF" + body);
  ASSERT_TRUE(withMark.ok()) << withMark.message;
  EXPECT_EQ(withMark.cartons.at(0).name, "电视机");
  const PackingList gbk = read(*utf8ToGbk(body));
  ASSERT_TRUE(gbk.ok()) << gbk.message;
  EXPECT_EQ(gbk.cartons.at(0).name, "电视机");
  EXPECT_EQ(gbk.cartons.at(0).count, 40);
  EXPECT_FALSE(read("\xEF\xBB\xBF" + *utf8ToGbk(body)).ok());  // a mark on GBK text is a lie
}

TEST(PackingList, takesTheSeparatorASpreadsheetNamesOnTheFirstLine) {
  const PackingList list = read("sep=;\r\nname;length;width;height;weight;count\r\na,b;100;100;100;1;1\r\nc;1;100;100;1;1\r\n");
  EXPECT_TRUE(list.cartons.empty());
  EXPECT_NE(list.message.find("第4行第2列（长）"), std::string::npos) << list.message;  // the lines keep their numbers
  const PackingList good = read("sep=;\nname;length;width;height;weight;count\na,b;100;100;100;1;1\n");
  ASSERT_TRUE(good.ok()) << good.message;
  EXPECT_EQ(good.cartons.at(0).name, "a,b");
}

TEST(PackingList, readsQuotedNamesWithCommasAndQuotes) {
  const PackingList list = read(kHeader + "\"Box \"\"A\"\", large\",100,100,100,1,1\n");
  ASSERT_TRUE(list.ok()) << list.message;
  EXPECT_EQ(list.cartons.at(0).name, "Box \"A\", large");
}

TEST(PackingList, readsUprightLyingLayersPositionAndColourWords) {
  const std::string header = "name,length,width,height,weight,count,upright,lying layers,position,colour\n";
  const PackingList list = read(header +
                                "a,100,100,100,1,1,1,2,inner,3\n"
                                "b,100,100,100,1,1,是,1,门口,大红\n"
                                "c,100,100,100,1,1,No,5,普通,#00FF00\n"
                                "d,100,100,100,1,1,YES,,Door,\n"
                                "e,100,100,100,1,1,否,0,里端,9\n");
  ASSERT_TRUE(list.ok()) << list.message;
  const auto& c = list.cartons;
  EXPECT_TRUE(c[0].mustUp);
  EXPECT_EQ(c[0].upendLayers, 2);
  EXPECT_EQ(c[0].spaceIndex, kSpaceInner);
  EXPECT_EQ(c[0].material, 3);
  EXPECT_TRUE(c[1].mustUp);
  EXPECT_EQ(c[1].spaceIndex, kSpaceDoor);
  EXPECT_EQ(c[1].material, 1);
  EXPECT_FALSE(c[2].mustUp);
  EXPECT_EQ(c[2].upendLayers, 0);  // lying layers mean nothing for a carton that may lie
  EXPECT_EQ(c[2].spaceIndex, kSpaceNone);
  EXPECT_EQ(c[2].material, 0);  // grass green by its #RRGGBB
  EXPECT_TRUE(c[3].mustUp);
  EXPECT_EQ(c[3].upendLayers, 0);
  EXPECT_EQ(c[3].spaceIndex, kSpaceDoor);
  EXPECT_EQ(c[3].material, 3);  // an empty cell: the colour a new carton there would get
  EXPECT_EQ(c[4].spaceIndex, kSpaceInner);
  EXPECT_EQ(c[4].material, 9);
}

TEST(PackingList, namesTheLineAndColumnOfABadCellAndReadsNothing) {
  expectMessageNames(read(kHeader + "a,100,100,100,1,1\nb,100,abc,100,1,1\n"), "装箱单第3行第3列（宽）");
  expectMessageNames(read(kHeader + "a,100,100,100,heavy,1\n"), "第2行第5列（重量）");
  expectMessageNames(read(kHeader + "a,100,100,100,-3,1\n"), "第2行第5列（重量）");
  expectMessageNames(read(kHeader + "a,100,100,100,1,0\n"), "第2行第6列（数量）");
  expectMessageNames(read(kHeader + "a,100,100,20,1,1\n"), "第2行第4列（高）");
  expectMessageNames(read(kHeader + "a,100,100\n"), "第2行第4列（高）");  // a short row
  expectMessageNames(read("name,length,width,height,weight,count,upright\na,100,100,100,1,1,maybe\n"),
                     "第2行第7列（直立）");
  expectMessageNames(read("position,name,length,width,height,weight,count\nback,a,100,100,100,1,1\n"),
                     "第2行第1列（位置）");
  expectMessageNames(read("colour,name,length,width,height,weight,count\n#123456,a,100,100,100,1,1\n"),
                     "第2行第1列（颜色）");
  // The line counts the line breaks inside quotes.
  expectMessageNames(read("name,length,width,height,weight,count,notes\n"
                          "a,100,100,100,1,1,\"two\nlines\"\nb,1,100,100,1,1,\n"),
                     "第4行第2列（长）");
}

TEST(PackingList, refusesNamesTheProjectFileCannotHold) {
  const std::string longName(25, 'x');  // 25 characters, each two bytes in GBK
  std::string chinese;
  for (int i = 0; i < 25; ++i) chinese += "箱";
  expectMessageNames(read(kHeader + chinese + ",100,100,100,1,1\n"), "第2行第1列（名称）");
  EXPECT_TRUE(read(kHeader + chinese.substr(0, 24 * 3) + ",100,100,100,1,1\n").ok());  // 48 bytes
  expectMessageNames(read(kHeader + "Box ☃,100,100,100,1,1\n"), "第2行第1列（名称）");  // not in GBK
  expectMessageNames(read(kHeader + "\"a\tb\",100,100,100,1,1\n"), "第2行第1列（名称）");
}

TEST(PackingList, explainsAFileThatIsNoPackingList) {
  expectMessageNames(read(""), "空");
  expectMessageNames(read("name,length,width,height,weight\na,1,1,1,1\n"), "“数量”列");
  expectMessageNames(read(kHeader), "没有纸箱");
  expectMessageNames(read("name,length,width,height,weight,count,长\n"), "第1行第7列（长）");
  expectMessageNames(read(kHeader + "\"open,100,100,100,1,1\n"), "第2行");
  expectMessageNames(read(kHeader + "\xff\xff\xff,100,100,100,1,1\n"), "GBK");
}

TEST(PackingList, speaksEnglishWhenTheProgramDoes) {
  InEnglish english;
  const PackingList list = read(kHeader + "a,100,100,100,1,x\n");
  EXPECT_EQ(list.message.rfind("Packing list line 2, column 6 (count): ", 0), 0u) << list.message;
}

TEST(PackingList, readsBackWhatItWrites) {
  std::vector<Carton> cartons(3);
  cartons[0] = {"电视机, \"大\"", 1100, 300, 700, true, 2, 25.25, 7, 40, kSpaceInner, false, 80.5, true, "苏州, 2"};
  cartons[1] = {"", 30, 40, 50, false, 0, 0.0, 0, 1, kSpaceDoor, true, 0.0};
  cartons[2] = {" padded ", 600, 400, 300, false, 0, 1e-3, 9, 123456, kSpaceNone};
  for (const Language language : {Language::Chinese, Language::English}) {
    setLanguage(language);
    const std::string text = packingListText(cartons);
    EXPECT_EQ(text.rfind("\xEF\xBB\xBF", 0), 0u);
    const PackingList back = readPackingList(text, 5);
    ASSERT_TRUE(back.ok()) << back.message;
    ASSERT_EQ(back.cartons.size(), cartons.size());
    for (std::size_t i = 0; i < cartons.size(); ++i) {
      const Carton& a = cartons[i];
      const Carton& b = back.cartons[i];
      EXPECT_EQ(a.name, b.name);
      EXPECT_EQ(a.length, b.length);
      EXPECT_EQ(a.width, b.width);
      EXPECT_EQ(a.height, b.height);
      EXPECT_EQ(a.mustUp, b.mustUp);
      EXPECT_EQ(a.upendLayers, b.upendLayers);
      EXPECT_EQ(a.weight, b.weight);
      EXPECT_EQ(a.material, b.material);
      EXPECT_EQ(a.count, b.count);
      EXPECT_EQ(a.spaceIndex, b.spaceIndex);
      EXPECT_EQ(a.stackable, b.stackable);
      EXPECT_EQ(a.maxLoadOnTop, b.maxLoadOnTop);
      EXPECT_EQ(a.fragile, b.fragile);
      EXPECT_EQ(a.stop, b.stop);
    }
    EXPECT_EQ(back.stops, std::vector<std::string>{"苏州, 2"});
  }
  setLanguage(Language::Chinese);
  EXPECT_EQ(packingListText({}).substr(3), "名称,长,宽,高,重量,数量,直立,侧放层数,位置,颜色,可堆叠,顶部承重,易碎,目的地\r\n");
}

TEST(PackingList, writesAndReadsFilesAndRefusesOversizedOnes) {
  TemporaryFile file;
  const std::vector<Carton> cartons = {Carton{"纸箱1", 600, 400, 300, false, 0, 12.5, 2, 50, kSpaceNone}};
  std::string error;
  ASSERT_TRUE(writePackingListFile(file.path(), cartons, &error)) << error;
  const PackingList back = readPackingListFile(file.path());
  ASSERT_TRUE(back.ok()) << back.message;
  EXPECT_EQ(back.cartons.at(0).displayText(), "纸箱1 (600*400*300:50)");

  {
    std::ofstream big(file.path(), std::ios::binary | std::ios::trunc);
    big << kHeader;
    big << std::string(kMaxPackingListSize, '\n');
  }
  expectMessageNames(readPackingListFile(file.path()), "16 MiB");
  expectMessageNames(readPackingListFile("/dev/null"), "无法读取装箱单");
  EXPECT_FALSE(writePackingListFile("/nonexistent-folder/list.csv", cartons, &error));
  EXPECT_NE(error.find("无法写入装箱单"), std::string::npos);
}

TEST(PackingList, eachRefusalNamesTheLimitTheValueBroke) {
  const struct {
    const char* row;
    const char* limit;
  } cases[] = {
      {"a,20,100,100,1,1", "第2行第2列（长）：须为不小于30的整数（毫米）。"},
      {"a,100,-20,100,1,1", "第2行第3列（宽）：须为不小于30的整数（毫米）。"},
      {"a,100,100,29,1,1", "第2行第4列（高）：须为不小于30的整数（毫米）。"},
      {"a,100,100,100,1,0", "第2行第6列（数量）：须为不小于1的整数。"},
      {"a,100,100,100,1,-2", "第2行第6列（数量）：须为不小于1的整数。"},
      {"a,100,100,100,-3,1", "第2行第5列（重量）：须为不小于0的数字（千克）。"},
  };
  for (const auto& c : cases) expectMessageNames(read(kHeader + c.row + "\n"), c.limit);
}

TEST(PackingList, readsTheCargoRulesAndTheStopsInTheOrderTheyFirstAppear) {
  const std::string header = "name,length,width,height,weight,count,stackable,maxLoadOnTop,fragile,stop\n";
  const PackingList list = read(header +
                                "a,100,100,100,1,1,no,80,yes,苏州\n"
                                "b,100,100,100,1,1,,,,\n"
                                "c,100,100,100,1,1,是,0,否,上海\n"
                                "d,100,100,100,1,1,1,12.5,0,苏州\n");
  ASSERT_TRUE(list.ok()) << list.message;
  const auto& c = list.cartons;
  EXPECT_FALSE(c[0].stackable);
  EXPECT_EQ(c[0].maxLoadOnTop, 80.0);
  EXPECT_TRUE(c[0].fragile);
  EXPECT_EQ(c[0].stop, "苏州");
  EXPECT_TRUE(c[1].stackable) << "an empty cell: stackable";
  EXPECT_FALSE(c[1].maxLoadOnTop) << "an empty cell: no limit";
  EXPECT_FALSE(c[1].fragile);
  EXPECT_EQ(c[1].stop, "");
  EXPECT_EQ(c[2].maxLoadOnTop, 0.0);
  EXPECT_EQ(c[3].maxLoadOnTop, 12.5);
  EXPECT_EQ(list.stops, (std::vector<std::string>{"苏州", "上海"}));
  // A project that lists its stops keeps their order; new ones follow.
  EXPECT_EQ(mergedStops({"上海", "北京"}, list.stops), (std::vector<std::string>{"上海", "北京", "苏州"}));
  // The Chinese headings, and a decimal comma after "sep=;".
  const PackingList chinese = read("sep=;\n名称;长;宽;高;重量;数量;可堆叠;顶部承重;易碎;目的地\na;100;100;100;1;1;否;7,5;是;杭州\n");
  ASSERT_TRUE(chinese.ok()) << chinese.message;
  EXPECT_EQ(chinese.cartons[0].maxLoadOnTop, 7.5);
  EXPECT_EQ(chinese.cartons[0].stop, "杭州");
}

TEST(PackingList, refusesBadCargoRuleCells) {
  const std::string header = "name,length,width,height,weight,count,stackable,maxLoadOnTop,fragile,stop\n";
  expectMessageNames(read(header + "a,100,100,100,1,1,maybe,,,\n"), "第2行第7列（可堆叠）");
  expectMessageNames(read(header + "a,100,100,100,1,1,,-5,,\n"), "第2行第8列（顶部承重）");
  expectMessageNames(read(header + "a,100,100,100,1,1,,heavy,,\n"), "第2行第8列（顶部承重）");
  expectMessageNames(read(header + "a,100,100,100,1,1,,,2,\n"), "第2行第9列（易碎）");
  expectMessageNames(read(header + "a,100,100,100,1,1,,,," + std::string(31, 'x') + "\n"), "第2行第10列（目的地）");
  expectMessageNames(read(header + "a,100,100,100,1,1,,,,\"a\nb\"\n"), "第2行第10列（目的地）");
}

TEST(PackingList, thePalletColumnNamesAPresetOrAProjectsPalletType) {
  PalletType own;
  own.name = "半托";
  const std::vector<PalletType> types = {own};
  const PackingList list = readPackingList(
      "名称,长,宽,高,重量,数量,托盘\n"
      "a,600,400,300,10,5,eur\n"
      "b,600,400,300,10,5,半托\n"
      "c,600,400,300,10,5,\n",
      0, types);
  ASSERT_TRUE(list.ok()) << list.message;
  ASSERT_EQ(list.cartons.size(), 3u);
  EXPECT_EQ(list.cartons[0].pallet, "EUR") << "a preset by its short name as the presets spell it";
  EXPECT_EQ(list.cartons[1].pallet, "半托");
  EXPECT_EQ(list.cartons[2].pallet, "") << "empty: loose";
  expectMessageNames(read(kHeader.substr(0, kHeader.size() - 1) + ",pallet\na,1,1,1,1,1,半托\n"), "第2行第7列（托盘）");
}

TEST(PackingList, writesThePalletColumnOnlyWhenACartonGoesOntoAPallet) {
  std::vector<Carton> cartons(2);
  cartons[0] = {"a", 600, 400, 300, false, 0, 10, 0, 5, kSpaceNone};
  cartons[0].pallet = "US";
  cartons[1] = {"b", 600, 400, 300, false, 0, 10, 1, 5, kSpaceNone};
  const std::string text = packingListText(cartons);
  EXPECT_NE(text.find(",托盘\r\n"), std::string::npos);
  const PackingList back = readPackingList(text);
  ASSERT_TRUE(back.ok()) << back.message;
  EXPECT_EQ(back.cartons[0].pallet, "US");
  EXPECT_EQ(back.cartons[1].pallet, "");
  cartons[0].pallet.clear();
  EXPECT_EQ(packingListText(cartons).find("托盘"), std::string::npos);
}
