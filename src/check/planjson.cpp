#include "check/planjson.h"

#include <array>
#include <limits>
#include <nlohmann/json.hpp>

#include "check/blockcartons.h"
#include "check/wording.h"
#include "model/language.h"

namespace check {
namespace {

using nlohmann::json;

// The members of one element of "placements" or "blocks", all whole numbers.
constexpr std::array<const char*, 7> kPlacementFields = {"x",     "y",     "z",          "sizeX",
                                                         "sizeY", "sizeZ", "cartonIndex"};
constexpr std::array<const char*, 14> kBlockFields = {
    "x",  "y",  "z",     "sizeX", "sizeY", "sizeZ", "nx",
    "ny", "nz", "count", "gapX",  "gapY",  "gapZ",  "cartonIndex"};
enum BlockField {
  kX,
  kY,
  kZ,
  kSizeX,
  kSizeY,
  kSizeZ,
  kNx,
  kNy,
  kNz,
  kCount,
  kGapX,
  kGapY,
  kGapZ,
  kIndex
};

enum class List { None, Placements, Blocks };

// Reads the document event by event (no tree of it is built), keeping only what the plan
// needs. Every handler returns false to stop at the first fault.
class PlanReader {
 public:
  using number_integer_t = json::number_integer_t;
  using number_unsigned_t = json::number_unsigned_t;
  using number_float_t = json::number_float_t;
  using string_t = json::string_t;
  using binary_t = json::binary_t;

  bool null() { return scalar(); }
  bool boolean(bool) { return scalar(); }
  bool number_integer(number_integer_t v) { return whole(v); }
  bool number_unsigned(number_unsigned_t v) {
    return whole(v > static_cast<number_unsigned_t>(std::numeric_limits<std::int64_t>::max())
                     ? std::numeric_limits<std::int64_t>::max()
                     : static_cast<std::int64_t>(v));
  }
  bool number_float(number_float_t, const string_t&) { return scalar(); }
  bool string(string_t& text) {
    if (depth_ == 1 && key_ == "mode") {
      loadMax_ = text == "max";
      return true;
    }
    return scalar();
  }
  bool binary(binary_t&) { return scalar(); }

  // depth_ is the depth of the object or array that holds the value, 0 for the document.
  bool start_object(std::size_t) {
    if (depth_ == 2 && inList()) {
      values_.fill(0);
      seen_.fill(false);
      field_.clear();
    } else if (depth_ > 0 && !scalar()) {
      return false;  // an object where a number or a list element belongs
    }
    return enter();
  }
  bool end_object() {
    if (depth_ == 3 && inList()) {
      if (!finishElement()) return false;
      ++element_;
    }
    return leave();
  }
  bool start_array(std::size_t) {
    if (depth_ == 0) return fail(notObject());
    if (depth_ == 1 && isListKey()) {
      const bool placements = key_ == "placements";
      bool& have = placements ? havePlacements_ : haveBlocks_;
      if (have) return fail(says(key_ + " 出现了两次", key_ + " appears twice"));
      have = true;
      list_ = placements ? List::Placements : List::Blocks;
      element_ = 0;
    } else if (!scalar()) {
      return false;
    }
    return enter();
  }
  bool end_array() {
    if (depth_ == 2) list_ = List::None;
    return leave();
  }
  bool key(string_t& name) {
    if (depth_ == 1) key_ = name;
    if (depth_ == 3 && inList()) field_ = name;
    return true;
  }
  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) {
    const std::string at = std::to_string(position);
    return fail(
        says("不是有效的 JSON：第 " + at + " 字节处有误", "not valid JSON: error at byte " + at));
  }

  JsonPlanReading finish() {
    JsonPlanReading reading;
    if (!reason_.empty()) {
      reading.reason = reason_;
      return reading;
    }
    if (!sawRoot_) {
      reading.reason = notObject();
      return reading;
    }
    if (!havePlacements_ && !haveBlocks_) {
      reading.reason = says("计划中既没有 placements 也没有 blocks",
                            "the plan has neither placements nor blocks");
      return reading;
    }
    JsonPlan plan;
    plan.setCount = setCount_;
    plan.loadMax = loadMax_;
    plan.supportPercent = supportPercent_;
    if (havePlacements_) {
      plan.cartons = std::move(placements_);
    } else {
      for (const CartonBlock& block : blocks_) appendBlockCartons(block, plan.cartons);
    }
    reading.plan = std::move(plan);
    return reading;
  }

 private:
  bool isListKey() const { return key_ == "placements" || key_ == "blocks"; }
  bool inList() const { return list_ != List::None; }
  int fieldIndex(const std::string& name) const {
    if (list_ == List::Placements) {
      for (std::size_t i = 0; i < kPlacementFields.size(); ++i)
        if (name == kPlacementFields[i]) return static_cast<int>(i);
    } else if (list_ == List::Blocks) {
      for (std::size_t i = 0; i < kBlockFields.size(); ++i)
        if (name == kBlockFields[i]) return static_cast<int>(i);
    }
    return -1;
  }
  // The value at hand is a member of a list element that the plan reads.
  bool atField() const { return depth_ == 3 && inList() && fieldIndex(field_) >= 0; }
  std::string where() const { return key_ + "[" + std::to_string(element_) + "]"; }
  std::string notObject() const {
    return says("计划不是 JSON 对象", "the plan is not a JSON object");
  }
  std::string notArray() const { return says(key_ + "：应为数组", key_ + ": expected an array"); }
  std::string notElementObject() const {
    return says(where() + "：应为对象", where() + ": expected an object");
  }
  std::string notWhole() const {
    const std::string at = where() + "." + field_;
    return says(at + "：应为 32 位范围内的整数", at + ": expected a whole number within 32 bits");
  }
  std::string notPercent() const {
    return says("supportPercent：应为 0 到 100 的整数",
                "supportPercent: expected a whole number from 0 to 100");
  }
  std::string notSetCount() const {
    return says("setCount：应为不小于 0 的整数", "setCount: expected a whole number, 0 or more");
  }

  bool fail(const std::string& reason) {
    if (reason_.empty()) reason_ = reason;
    return false;
  }
  bool enter() {
    if (++depth_ > kMaxPlanJsonDepth) {
      const std::string most = std::to_string(kMaxPlanJsonDepth);
      return fail(
          says("JSON 嵌套超过 " + most + " 层", "the JSON nests deeper than " + most + " levels"));
    }
    if (depth_ == 1) sawRoot_ = true;
    return true;
  }
  bool leave() {
    --depth_;
    return true;
  }
  // Whether a value other than a whole number (or the object or array of a list) may
  // stand here: anywhere but the document itself, a list, a list element's members and
  // setCount.
  bool scalar() {
    if (depth_ == 0) return fail(notObject());
    if (depth_ == 1 && isListKey()) return fail(notArray());
    if (depth_ == 1 && key_ == "setCount") return fail(notSetCount());
    if (depth_ == 1 && key_ == "supportPercent") return fail(notPercent());
    if (depth_ == 2 && inList()) return fail(notElementObject());
    if (atField()) return fail(notWhole());
    return true;
  }
  bool whole(std::int64_t v) {
    if (depth_ == 1 && key_ == "supportPercent") {
      if (v < 0 || v > 100) return fail(notPercent());
      supportPercent_ = static_cast<std::int32_t>(v);
      return true;
    }
    if (depth_ == 1 && key_ == "setCount") {
      if (v < 0) return fail(notSetCount());
      setCount_ = v;
      return true;
    }
    if (!atField()) return scalar();
    if (v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
      return fail(notWhole());
    const auto at = static_cast<std::size_t>(fieldIndex(field_));
    if (seen_[at]) {
      return fail(says(where() + "：" + field_ + " 出现了两次",
                       where() + ": " + field_ + " appears twice"));
    }
    seen_[at] = true;
    values_[at] = static_cast<std::int32_t>(v);
    return true;
  }

  bool finishElement() {
    const std::size_t fields =
        list_ == List::Placements ? kPlacementFields.size() : kBlockFields.size();
    for (std::size_t i = 0; i < fields; ++i) {
      if (seen_[i]) continue;
      const std::string name = list_ == List::Placements ? kPlacementFields[i] : kBlockFields[i];
      return fail(says(where() + "：缺少 " + name, where() + ": " + name + " is missing"));
    }
    const auto& v = values_;
    if (list_ == List::Placements) {
      if (++cartonTotal_ > kMaxPlanCartons) return tooManyCartons();
      placements_.push_back(PlacedCarton{v[6], v[0], v[1], v[2], v[3], v[4], v[5]});
      return true;
    }
    const CartonBlock block{v[kIndex], v[kX],  v[kY],  v[kZ],     v[kSizeX], v[kSizeY], v[kSizeZ],
                            v[kNx],    v[kNy], v[kNz], v[kCount], v[kGapX],  v[kGapY],  v[kGapZ]};
    for (const BlockField f : {kNx, kNy, kNz, kCount}) {
      if (v[f] >= 0) continue;
      const std::string at = where() + "." + kBlockFields[f];
      return fail(says(at + "：不能为负数", at + ": must not be negative"));
    }
    const std::int64_t capacity = blockCapacity(block);
    if (block.count > capacity) {
      const std::string at = where() + ".count", places = std::to_string(capacity);
      return fail(says(at + "：多于其网格的 " + places + " 个位置",
                       at + ": more than the " + places + " places of its grid"));
    }
    if (block.count > 0 && !lastCartonFits(block)) {
      return fail(says(where() + "：其纸箱的位置超出 32 位整数范围",
                       where() + ": its cartons lie beyond the 32-bit range"));
    }
    cartonTotal_ += block.count;
    if (cartonTotal_ > kMaxPlanCartons) return tooManyCartons();
    blocks_.push_back(block);
    return true;
  }

  // The vertex of the block's furthest place stays a 32-bit number on every axis.
  static bool lastCartonFits(const CartonBlock& b) {
    const auto fits = [](std::int32_t start, std::int32_t places, std::int32_t size,
                         std::int32_t gap) {
      const std::int64_t last = start + (std::int64_t{places} - 1) * (std::int64_t{size} + gap);
      return last >= std::numeric_limits<std::int32_t>::min() &&
             last <= std::numeric_limits<std::int32_t>::max();
    };
    return fits(b.x, b.nx, b.sizeX, b.gapX) && fits(b.y, b.ny, b.sizeY, b.gapY) &&
           fits(b.z, b.nz, b.sizeZ, b.gapZ);
  }
  bool tooManyCartons() {
    const std::string most = std::to_string(kMaxPlanCartons);
    return fail(
        says("计划中的纸箱超过 " + most + " 箱", "the plan holds more than " + most + " cartons"));
  }

  int depth_ = 0;
  bool sawRoot_ = false;
  std::string key_;    // the current member of the document
  std::string field_;  // the current member of a list element
  List list_ = List::None;
  std::int64_t element_ = 0;
  std::array<std::int32_t, kBlockFields.size()> values_{};
  std::array<bool, kBlockFields.size()> seen_{};
  bool havePlacements_ = false, haveBlocks_ = false, loadMax_ = false;
  std::int64_t setCount_ = 0;
  std::optional<std::int32_t> supportPercent_;
  std::int64_t cartonTotal_ = 0;
  std::vector<PlacedCarton> placements_;
  std::vector<CartonBlock> blocks_;
  std::string reason_;
};

}  // namespace

JsonPlanReading readPlanJson(std::string_view text) {
  if (text.size() > kMaxPlanJsonBytes) {
    JsonPlanReading reading;
    const std::string most = std::to_string(kMaxPlanJsonBytes >> 20);
    reading.reason = says("计划大于 " + most + " MiB", "the plan is larger than " + most + " MiB");
    return reading;
  }
  PlanReader reader;
  json::sax_parse(text.begin(), text.end(), &reader);
  return reader.finish();
}

namespace {

// Whether brackets nest no deeper than the limit, strings skipped.
bool nestsWithin(std::string_view text, int limit) {
  int depth = 0;
  bool inString = false, escaped = false;
  for (const char ch : text) {
    if (inString) {
      if (escaped) escaped = false;
      else if (ch == '\\') escaped = true;
      else if (ch == '"') inString = false;
    } else if (ch == '"') {
      inString = true;
    } else if (ch == '{' || ch == '[') {
      if (++depth > limit) return false;
    } else if (ch == '}' || ch == ']') {
      --depth;
    }
  }
  return true;
}

std::optional<json> parsedBounded(std::string_view text, std::string& reason) {
  if (text.size() > kMaxPlanJsonBytes) {
    const std::string most = std::to_string(kMaxPlanJsonBytes >> 20);
    reason = says("计划大于 " + most + " MiB", "the plan is larger than " + most + " MiB");
    return std::nullopt;
  }
  if (!nestsWithin(text, kMaxPlanJsonDepth)) {
    reason = says("计划嵌套过深", "the plan is nested too deep");
    return std::nullopt;
  }
  json document = json::parse(text.begin(), text.end(), nullptr, false);
  if (document.is_discarded()) {
    reason = says("不是 JSON 文档", "not a JSON document");
    return std::nullopt;
  }
  return document;
}

}  // namespace

bool isFleetPlanJson(std::string_view text) {
  std::string ignored;
  const std::optional<json> document = parsedBounded(text, ignored);
  return document && document->is_object() && document->contains("containers");
}

JsonFleetPlanReading readFleetPlanJson(std::string_view text) {
  JsonFleetPlanReading reading;
  const std::optional<json> document = parsedBounded(text, reading.reason);
  if (!document) return reading;
  if (!document->is_object() || !document->contains("containers") || !(*document)["containers"].is_array()) {
    reading.reason = says("containers：应为列表", "containers: expected a list");
    return reading;
  }
  JsonFleetPlan plan;
  if (const auto support = document->find("supportPercent"); support != document->end()) {
    if (!support->is_number_integer() || support->get<std::int64_t>() < 0 || support->get<std::int64_t>() > 100) {
      reading.reason = says("supportPercent：应为 0 到 100 的整数", "supportPercent: expected a whole number from 0 to 100");
      return reading;
    }
    plan.supportPercent = static_cast<std::int32_t>(support->get<std::int64_t>());
  }
  std::int64_t cartons = 0;
  const json& containers = (*document)["containers"];
  for (std::size_t k = 0; k < containers.size(); ++k) {
    const std::string where = "containers[" + std::to_string(k) + "]";
    const json& element = containers[k];
    if (!element.is_object() || !element.contains("type") || !element["type"].is_number_integer() ||
        element["type"].get<std::int64_t>() < 0 || element["type"].get<std::int64_t>() > 1000000) {
      reading.reason = where + says(".type：应为集装箱种类的序号", ".type: expected the index of a container type");
      return reading;
    }
    // Each container reads as a plan of its own.
    const JsonPlanReading one = readPlanJson(element.dump());
    if (!one.plan) {
      reading.reason = where + ": " + one.reason;
      return reading;
    }
    cartons += static_cast<std::int64_t>(one.plan->cartons.size());
    if (cartons > kMaxPlanCartons) {
      reading.reason = says("计划中的纸箱过多", "the plan holds too many cartons");
      return reading;
    }
    plan.containers.push_back(JsonFleetContainer{static_cast<std::int32_t>(element["type"].get<std::int64_t>()),
                                                 one.plan->cartons});
  }
  reading.plan = std::move(plan);
  return reading;
}

namespace {

// Something wrong in a pallet plan: where and what, in the program's language.
struct PlanFault {
  std::string reason;
};

std::int32_t wholeAt(const json& object, const std::string& where, const char* key) {
  const auto it = object.find(key);
  if (it == object.end()) throw PlanFault{says(where + "：缺少 " + key, where + ": " + key + " is missing")};
  if (!it->is_number_integer() || it->get<std::int64_t>() < std::numeric_limits<std::int32_t>::min() ||
      it->get<std::int64_t>() > std::numeric_limits<std::int32_t>::max())
    throw PlanFault{says(where + "." + key + "：应为 32 位范围内的整数", where + "." + key + ": expected a whole number within 32 bits")};
  return static_cast<std::int32_t>(it->get<std::int64_t>());
}

std::optional<std::int32_t> optionalWhole(const json& object, const std::string& where, const char* key) {
  if (!object.contains(key)) return std::nullopt;
  return wholeAt(object, where, key);
}

const json& listAt(const json& object, const std::string& where, const char* key) {
  const auto it = object.find(key);
  if (it == object.end() || !it->is_array())
    throw PlanFault{says(where + key + "：应为列表", where + key + ": expected a list")};
  return *it;
}

void checkObject(const json& value, const std::string& where) {
  if (!value.is_object()) throw PlanFault{says(where + "：应为对象", where + ": expected an object")};
}

PlacedCarton cartonAt(const json& p, const std::string& where) {
  return PlacedCarton{wholeAt(p, where, "cartonIndex"), wholeAt(p, where, "x"),     wholeAt(p, where, "y"),
                      wholeAt(p, where, "z"),           wholeAt(p, where, "sizeX"), wholeAt(p, where, "sizeY"),
                      wholeAt(p, where, "sizeZ")};
}

JsonPalletPlan palletPlanOf(const json& document) {
  checkObject(document, says("计划", "the plan"));
  JsonPalletPlan plan;
  if (const auto support = document.find("supportPercent"); support != document.end()) {
    if (!support->is_number_integer() || support->get<std::int64_t>() < 0 || support->get<std::int64_t>() > 100)
      throw PlanFault{says("supportPercent：应为 0 到 100 的整数", "supportPercent: expected a whole number from 0 to 100")};
    plan.supportPercent = static_cast<std::int32_t>(support->get<std::int64_t>());
  }
  std::int64_t cartons = 0;
  const auto count = [&](std::size_t more) {
    cartons += static_cast<std::int64_t>(more);
    if (cartons > kMaxPlanCartons) throw PlanFault{says("计划中的纸箱过多", "the plan holds too many cartons")};
  };
  const json& pallets = listAt(document, "", "pallets");
  for (std::size_t k = 0; k < pallets.size(); ++k) {
    const std::string where = "pallets[" + std::to_string(k) + "]";
    const json& element = pallets[k];
    checkObject(element, where);
    JsonPallet pallet;
    if (!element.contains("type") || !element["type"].is_string())
      throw PlanFault{says(where + ".type：应为托盘类型的名称", where + ".type: expected the name of a pallet type")};
    pallet.type = element["type"].get<std::string>();
    pallet.height = optionalWhole(element, where, "height");
    if (element.contains("grossWeight")) {
      if (!element["grossWeight"].is_number())
        throw PlanFault{says(where + ".grossWeight：应为数字", where + ".grossWeight: expected a number")};
      pallet.grossWeight = element["grossWeight"].get<double>();
    }
    const json& placements = listAt(element, where + ".", "placements");
    count(placements.size());
    for (std::size_t i = 0; i < placements.size(); ++i) {
      const std::string at = where + ".placements[" + std::to_string(i) + "]";
      checkObject(placements[i], at);
      pallet.cartons.push_back(cartonAt(placements[i], at));
    }
    plan.pallets.push_back(std::move(pallet));
  }
  const json& containers = listAt(document, "", "containers");
  for (std::size_t c = 0; c < containers.size(); ++c) {
    const std::string where = "containers[" + std::to_string(c) + "]";
    const json& element = containers[c];
    checkObject(element, where);
    JsonPalletContainer container;
    container.type = wholeAt(element, where, "type");
    if (container.type < 0) throw PlanFault{says(where + ".type：应为集装箱种类的序号", where + ".type: expected the index of a container type")};
    const json& placements = listAt(element, where + ".", "placements");
    count(placements.size());
    for (std::size_t i = 0; i < placements.size(); ++i) {
      const std::string at = where + ".placements[" + std::to_string(i) + "]";
      const json& p = placements[i];
      checkObject(p, at);
      if (!p.contains("pallet")) {
        container.cartons.push_back(cartonAt(p, at));
        continue;
      }
      PlacedPallet placed;
      placed.pallet = wholeAt(p, at, "pallet");
      placed.x = wholeAt(p, at, "x");
      placed.y = wholeAt(p, at, "y");
      placed.z = wholeAt(p, at, "z");
      if (p.contains("turned")) {
        if (!p["turned"].is_boolean()) throw PlanFault{says(at + ".turned：应为 true 或 false", at + ".turned: expected true or false")};
        placed.turned = p["turned"].get<bool>();
      }
      placed.statedSizeX = optionalWhole(p, at, "sizeX");
      placed.statedSizeY = optionalWhole(p, at, "sizeY");
      placed.statedSizeZ = optionalWhole(p, at, "sizeZ");
      container.pallets.push_back(placed);
    }
    plan.containers.push_back(std::move(container));
  }
  return plan;
}

}  // namespace

bool isPalletPlanJson(std::string_view text) {
  std::string ignored;
  const std::optional<json> document = parsedBounded(text, ignored);
  return document && document->is_object() && document->contains("pallets");
}

JsonPalletPlanReading readPalletPlanJson(std::string_view text) {
  JsonPalletPlanReading reading;
  const std::optional<json> document = parsedBounded(text, reading.reason);
  if (!document) return reading;
  try {
    reading.plan = palletPlanOf(*document);
  } catch (const PlanFault& fault) {
    reading.reason = fault.reason;
  }
  return reading;
}

}  // namespace check
