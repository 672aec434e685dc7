#include "commands/packinglist.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <optional>

#include "commands/cartonform.h"
#include "commands/entrycheck.h"
#include "model/csvtext.h"
#include "model/gbk.h"
#include "model/language.h"
#include "model/palette.h"
#include "model/projectfile.h"
#include "model/safefile.h"

namespace {

enum Column : int {
  kName, kLength, kWidth, kHeight, kWeight, kCount, kUpright, kLayers, kPosition, kColour,
  kStackable, kLoadOnTop, kFragile, kStop, kPallet, kColumnCount
};

struct ColumnHeading {
  const char* english;
  const char* chinese;
  bool required;
};

constexpr std::array<ColumnHeading, kColumnCount> kHeadings = {{
    {"name", "名称", true},
    {"length", "长", true},
    {"width", "宽", true},
    {"height", "高", true},
    {"weight", "重量", true},
    {"count", "数量", true},
    {"upright", "直立", false},
    {"lying layers", "侧放层数", false},
    {"position", "位置", false},
    {"colour", "颜色", false},
    {"stackable", "可堆叠", false},
    {"maxLoadOnTop", "顶部承重", false},
    {"fragile", "易碎", false},
    {"stop", "目的地", false},
    {"pallet", "托盘", false},
}};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string lowerAscii(std::string_view text) {
  std::string lower(text);
  for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return lower;
}

// The column a heading names, or -1.
int columnOfHeading(std::string_view heading) {
  const std::string lower = lowerAscii(heading);
  if (lower == "color") return kColour;
  for (int c = 0; c < kColumnCount; ++c)
    if (lower == lowerAscii(kHeadings[c].english) || heading == kHeadings[c].chinese) return c;
  return -1;
}

std::string headingText(int column) {
  return inLanguage(kHeadings[column].chinese, kHeadings[column].english);
}

bool isValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    std::uint32_t cp = 0;
    if (lead < 0x80) { ++i; continue; }
    if (lead >= 0xC2 && lead <= 0xDF) { length = 2; cp = lead & 0x1F; }
    else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; cp = lead & 0x0F; }
    else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; cp = lead & 0x07; }
    else return false;
    if (i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto byte = static_cast<unsigned char>(text[i + k]);
      if ((byte & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (byte & 0x3F);
    }
    const std::uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (cp < smallest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

// The text as UTF-8: UTF-8 as it is (without its byte order mark), else GBK converted.
std::optional<std::string> decodedText(std::string_view bytes) {
  if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    bytes.remove_prefix(kByteOrderMark.size());
    if (!isValidUtf8(bytes)) return std::nullopt;
    return std::string(bytes);
  }
  if (isValidUtf8(bytes)) return std::string(bytes);
  return gbkToUtf8(bytes);
}

std::string cellMessage(std::size_t line, std::size_t column, int heading, const std::string& reason) {
  std::string where;
  if (currentLanguage() == Language::English) {
    where = "Packing list line " + std::to_string(line) + ", column " + std::to_string(column);
    if (heading >= 0) where += " (" + headingText(heading) + ")";
    return where + ": " + reason;
  }
  where = "装箱单第" + std::to_string(line) + "行第" + std::to_string(column) + "列";
  if (heading >= 0) where += "（" + headingText(heading) + "）";
  return where + "：" + reason;
}

bool hasControlCharacter(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char ch) {
    const auto byte = static_cast<unsigned char>(ch);
    return byte < 0x20 || byte == 0x7F;
  });
}

// 1/0, yes/no or 是/否; an empty cell gives the column's default.
std::optional<bool> yesOrNoOfWord(std::string_view word, bool empty = false) {
  const std::string lower = lowerAscii(word);
  if (lower.empty()) return empty;
  if (lower == "0" || lower == "no" || word == "否") return false;
  if (lower == "1" || lower == "yes" || word == "是") return true;
  return std::nullopt;
}

std::optional<int> positionItemOfWord(std::string_view word) {
  const std::string lower = lowerAscii(word);
  if (lower.empty() || lower == "free" || word == "普通") return kItemNoRequirement;
  if (lower == "inner" || word == "里端") return kItemInner;
  if (lower == "door" || word == "门口") return kItemDoor;
  return std::nullopt;
}

std::optional<int> hexDigit(char ch) {
  if (ch >= '0' && ch <= '9') return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return std::nullopt;
}

// A colour number 0-9, the name of a colour in the program's language, or the #RRGGBB of one.
std::optional<int> materialOfWord(std::string_view word) {
  if (word.size() == 1 && word[0] >= '0' && word[0] <= '9') return word[0] - '0';
  const std::vector<std::string>& names = materialNames();
  for (std::size_t i = 0; i < names.size(); ++i)
    if (lowerAscii(word) == lowerAscii(names[i])) return static_cast<int>(i);
  if (word.size() == 7 && word[0] == '#') {
    std::uint32_t rgb = 0;
    for (std::size_t k = 1; k < 7; ++k) {
      const auto digit = hexDigit(word[k]);
      if (!digit) return std::nullopt;
      rgb = rgb << 4 | static_cast<std::uint32_t>(*digit);
    }
    // materialColor is 0x00BBGGRR.
    const std::uint32_t packed = (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
    for (int i = 0; i < kMaterialCount; ++i)
      if (materialColor(i) == packed) return i;
  }
  return std::nullopt;
}

// Where each column is in the header row: its field index, or -1 when it has none.
struct HeaderColumns {
  std::array<int, kColumnCount> field;
  std::string message;
};

HeaderColumns readHeader(const CsvRecord& header) {
  HeaderColumns columns;
  columns.field.fill(-1);
  for (std::size_t i = 0; i < header.fields.size(); ++i) {
    const int column = columnOfHeading(header.fields[i]);
    if (column < 0) continue;  // a column of the spreadsheet's own, such as notes
    if (columns.field[column] >= 0) {
      columns.message = cellMessage(header.line, i + 1, column,
                                    inLanguage("该列出现了两次。", "this column appears twice."));
      return columns;
    }
    columns.field[column] = static_cast<int>(i);
  }
  for (int c = 0; c < kColumnCount; ++c) {
    if (kHeadings[c].required && columns.field[c] < 0) {
      columns.message = inLanguage("装箱单第一行缺少“", "The packing list's first line has no \"") +
                        headingText(c) +
                        inLanguage("”列。第一行须列出名称、长、宽、高、重量和数量。",
                                   "\" column. The first line must name the columns name, length, "
                                   "width, height, weight and count.");
      return columns;
    }
  }
  return columns;
}

// One data row as a carton, or the message that refuses it.
struct RowResult {
  Carton carton;
  std::string message;
};

// What a whole-number column must hold: each names its own least value.
std::string wholeNumberRule(int column) {
  if (column == kLength || column == kWidth || column == kHeight)
    return inLanguage("须为不小于", "must be a whole number of at least ") + std::to_string(kMinCartonEdge) +
           inLanguage("的整数（毫米）。", " (mm).");
  if (column == kCount) return inLanguage("须为不小于1的整数。", "must be a whole number of at least 1.");
  return inLanguage("须为不小于0的整数。", "must be a whole number of at least 0.");
}

std::string weightRule() {
  return inLanguage("须为不小于0的数字（千克）。", "must be a number of at least 0 (kg).");
}

RowResult readRow(const CsvRecord& row, const HeaderColumns& columns, char separator, int material,
                  const std::vector<PalletType>& palletTypes) {
  const auto cell = [&](int column) -> std::string {
    const int field = columns.field[column];
    if (field < 0 || static_cast<std::size_t>(field) >= row.fields.size()) return {};
    return row.fields[static_cast<std::size_t>(field)];
  };
  const auto refuse = [&](int column, const std::string& reason) {
    return RowResult{{}, cellMessage(row.line, static_cast<std::size_t>(columns.field[column]) + 1, column, reason)};
  };

  // An empty name is allowed, as in the carton dialog.
  for (int c = kName + 1; c < kColumnCount; ++c)
    if (kHeadings[c].required && cell(c).empty())
      return refuse(c, inLanguage("不能为空。", "must not be empty."));
  if (hasControlCharacter(cell(kName)))
    return refuse(kName, inLanguage("名称中不能有控制字符或换行。", "a name may not hold control characters or line breaks."));
  for (const int c : {kLength, kWidth, kHeight, kCount, kLayers})
    if (!cell(c).empty() && !readCheckedInteger(cell(c))) return refuse(c, wholeNumberRule(c));
  std::string weight = cell(kWeight);
  if (separator == ';') std::replace(weight.begin(), weight.end(), ',', '.');  // a decimal comma
  if (!readCheckedNumber(weight)) return refuse(kWeight, weightRule());
  const std::string yesOrNo = inLanguage("须为1或0、yes或no、是或否。", "must be 1 or 0, yes or no, 是 or 否.");
  const std::optional<bool> upright = yesOrNoOfWord(cell(kUpright));
  if (!upright) return refuse(kUpright, yesOrNo);
  const std::optional<bool> stackable = yesOrNoOfWord(cell(kStackable), true);
  if (!stackable) return refuse(kStackable, yesOrNo);
  const std::optional<bool> fragile = yesOrNoOfWord(cell(kFragile));
  if (!fragile) return refuse(kFragile, yesOrNo);
  std::string loadOnTop = cell(kLoadOnTop);
  if (separator == ';') std::replace(loadOnTop.begin(), loadOnTop.end(), ',', '.');
  if (hasControlCharacter(cell(kStop)))
    return refuse(kStop, inLanguage("名称中不能有控制字符或换行。", "a name may not hold control characters or line breaks."));
  const std::optional<int> position = positionItemOfWord(cell(kPosition));
  if (!position)
    return refuse(kPosition, inLanguage("须为里端、普通或门口（inner、free或door）。",
                                     "must be inner, free or door (里端, 普通 or 门口)."));
  std::optional<int> colour = material;
  if (!cell(kColour).empty()) colour = materialOfWord(cell(kColour));
  if (!colour)
    return refuse(kColour, inLanguage("须为颜色编号0至9、颜色名称或其中一种颜色的#RRGGBB。",
                                   "must be a colour number 0 to 9, a colour's name or the #RRGGBB of one of them."));

  const PalletType* pallet = findPalletType(palletTypes, cell(kPallet));
  if (!cell(kPallet).empty() && pallet == nullptr)
    return refuse(kPallet, inLanguage("须为托盘类型的名称（EUR、ISO、US 或项目中的托盘类型），留空表示散装。",
                                      "must name a pallet type (EUR, ISO, US or one of the project's), or be empty for "
                                      "loose cartons."));

  CartonEntry entry;
  entry.name = cell(kName);
  entry.length = cell(kLength);
  entry.width = cell(kWidth);
  entry.height = cell(kHeight);
  entry.count = cell(kCount);
  entry.weight = weight;
  entry.mustUp = *upright;
  // Lying layers mean something only for a carton that must stay upright.
  entry.upendLayers = *upright && !cell(kLayers).empty() ? cell(kLayers) : "0";
  entry.material = *colour;
  entry.spaceItem = *position;
  entry.stackable = *stackable;
  entry.maxLoadOnTop = loadOnTop;
  entry.fragile = *fragile;
  entry.stop = cell(kStop);
  const CartonCheck check = checkCartonValues(Carton{}, entry);
  if (check.accepted()) {
    Carton carton = check.carton;
    carton.pallet = pallet ? pallet->name : std::string();
    return {carton, {}};
  }
  switch (check.field) {
    case CartonField::Name: return refuse(kName, check.message);
    // Each refusal names the limit the value broke.
    case CartonField::Length: return refuse(kLength, wholeNumberRule(kLength));
    case CartonField::Width: return refuse(kWidth, wholeNumberRule(kWidth));
    case CartonField::Height: return refuse(kHeight, wholeNumberRule(kHeight));
    case CartonField::Count: return refuse(kCount, wholeNumberRule(kCount));
    case CartonField::Weight: return refuse(kWeight, weightRule());
    case CartonField::Position: return refuse(kPosition, check.message);
    case CartonField::LoadOnTop: return refuse(kLoadOnTop, check.message);
    case CartonField::Stop: return refuse(kStop, check.message);
    default: return {{}, cellMessage(row.line, 1, -1, check.message)};
  }
}

}  // namespace

PackingList readPackingList(std::string_view bytes, std::size_t cartonsBefore,
                            const std::vector<PalletType>& palletTypes) {
  const std::optional<std::string> text = decodedText(bytes);
  if (!text)
    return {{}, inLanguage("装箱单既不是UTF-8也不是GBK编码的文本。", "The packing list is neither UTF-8 nor GBK text.")};
  std::string body = *text;
  char separator = csvSeparatorOf(body);
  // Spreadsheets may write the separator on a line of its own first: "sep=;". The line
  // stays, blank, so that the lines keep their numbers.
  if (body.size() >= 5 && lowerAscii(body.substr(0, 4)) == "sep=" &&
      (body.size() == 5 || body[5] == '\r' || body[5] == '\n')) {
    separator = body[4];
    body.erase(0, 5);
  }
  const CsvText csv = splitCsv(body, separator);
  if (csv.badLine != 0)
    return {{}, currentLanguage() == Language::English
                    ? "Packing list line " + std::to_string(csv.badLine) +
                          ": a quoted field is not closed, or text follows its closing quote."
                    : "装箱单第" + std::to_string(csv.badLine) + "行：引号中的内容没有结束，或结束引号后还有其他文字。"};
  if (csv.records.empty()) return {{}, inLanguage("装箱单是空的。", "The packing list is empty.")};
  const HeaderColumns columns = readHeader(csv.records.front());
  if (!columns.message.empty()) return {{}, columns.message};
  if (csv.records.size() == 1)
    return {{}, inLanguage("装箱单中没有纸箱：第一行之后没有内容。", "The packing list holds no cartons: nothing follows its first line.")};

  PackingList list;
  for (std::size_t r = 1; r < csv.records.size(); ++r) {
    const int material = static_cast<int>((cartonsBefore + list.cartons.size()) % kMaterialCount);
    RowResult row = readRow(csv.records[r], columns, separator, material, palletTypes);
    if (!row.message.empty()) return {{}, row.message, {}};
    const std::string& stop = row.carton.stop;
    if (!stop.empty() && std::find(list.stops.begin(), list.stops.end(), stop) == list.stops.end())
      list.stops.push_back(stop);
    list.cartons.push_back(std::move(row.carton));
  }
  return list;
}

std::vector<std::string> mergedStops(const std::vector<std::string>& project, const std::vector<std::string>& list) {
  std::vector<std::string> stops = project;
  for (const std::string& stop : list)
    if (std::find(stops.begin(), stops.end(), stop) == stops.end()) stops.push_back(stop);
  return stops;
}

PackingList readPackingListFile(const std::string& path, std::size_t cartonsBefore,
                                const std::vector<PalletType>& palletTypes) {
  std::string error;
  const auto bytes = readWholeFile(path, &error, kMaxPackingListSize);
  if (!bytes)
    return {{}, inLanguage("无法读取装箱单（须为不超过16 MiB的普通文件）：",
                           "The packing list cannot be read (it must be a regular file of at most 16 MiB): ") +
                    error};
  return readPackingList(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()),
                         cartonsBefore, palletTypes);
}

std::string packingListText(const std::vector<Carton>& cartons, const ProjectResult* result) {
  const bool english = currentLanguage() == Language::English;
  const bool withContainers = result != nullptr && result->mode == PlanningMode::Fleet && !result->empty();
  // The pallet column only when a carton goes onto a pallet.
  const bool pallets = std::any_of(cartons.begin(), cartons.end(), [](const Carton& c) { return !c.pallet.empty(); });
  const int columnCount = pallets ? kColumnCount : kPallet;
  std::string text(kByteOrderMark);
  for (int c = 0; c < columnCount; ++c) {
    if (c > 0) text += ',';
    text += headingText(c);
  }
  if (withContainers) text += english ? ",containers" : ",装入集装箱";
  text += "\r\n";
  for (std::size_t index = 0; index < cartons.size(); ++index) {
    const Carton& carton = cartons[index];
    const char* position = carton.spaceIndex == kSpaceInner  ? (english ? "inner" : "里端")
                           : carton.spaceIndex == kSpaceDoor ? (english ? "door" : "门口")
                                                             : (english ? "free" : "普通");
    const std::array<std::string, kColumnCount> fields = {
        csvField(carton.name),
        std::to_string(carton.length),
        std::to_string(carton.width),
        std::to_string(carton.height),
        numberText(carton.weight),
        std::to_string(carton.count),
        carton.mustUp ? (english ? "yes" : "是") : (english ? "no" : "否"),
        std::to_string(carton.mustUp ? carton.upendLayers : 0),
        position,
        std::to_string(carton.material),
        carton.stackable ? (english ? "yes" : "是") : (english ? "no" : "否"),
        carton.maxLoadOnTop ? numberText(*carton.maxLoadOnTop) : std::string(),
        carton.fragile ? (english ? "yes" : "是") : (english ? "no" : "否"),
        csvField(carton.stop),
        csvField(carton.pallet),
    };
    for (int c = 0; c < columnCount; ++c) {
      if (c > 0) text += ',';
      text += fields[c];
    }
    if (withContainers) {
      // Container number (from 1): cartons of this type in it.
      std::string where;
      for (std::size_t k = 0; k < result->containers.size(); ++k) {
        std::int64_t n = 0;
        for (const BlockScheme& block : result->containers[k].blocks)
          if (block.cartonIndex == static_cast<std::int32_t>(index)) n += block.count;
        if (n <= 0) continue;
        if (!where.empty()) where += "; ";
        where += std::to_string(k + 1) + ":" + std::to_string(n);
      }
      text += ',';
      text += csvField(where);
    }
    text += "\r\n";
  }
  return text;
}

bool writePackingListFile(const std::string& path, const std::vector<Carton>& cartons, std::string* error,
                          const ProjectResult* result) {
  const std::string text = packingListText(cartons, result);
  std::string reason;
  if (writeFileSafely(path, std::vector<std::uint8_t>(text.begin(), text.end()), &reason)) return true;
  if (error) *error = inLanguage("无法写入装箱单：", "The packing list cannot be written: ") + reason;
  return false;
}
