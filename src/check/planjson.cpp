#include "check/planjson.h"

#include <algorithm>
#include <array>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>

#include "check/blockcartons.h"
#include "check/wording.h"

namespace check {
namespace {

using nlohmann::json;

// What a value of the document is to the plan.
enum class Role {
  Root,           // the document
  ContainerList,  // "containers"
  PalletList,     // "pallets"
  CartonList,     // "placements" of the document, a container or a pallet
  BlockList,      // "blocks" of the same
  Container,      // an element of "containers"
  Pallet,         // an element of "pallets"
  Element,        // a placement or a block
  Ignored,        // anything else, read only for its form
};

// A scalar member of a placement or a block.
struct Scalar {
  enum class Kind { Whole, Number, Flag, Other } kind = Kind::Other;
  std::int64_t whole = 0;
  double number = 0;
  bool flag = false;
};

// The keys of one object, to refuse a key given twice.
class KeySet {
 public:
  bool insert(const std::string& key) {
    if (!large_.empty()) return large_.insert(key).second;
    if (std::find(small_.begin(), small_.end(), key) != small_.end()) return false;
    small_.push_back(key);
    if (small_.size() > 32) {
      large_.insert(small_.begin(), small_.end());
      small_.clear();
    }
    return true;
  }

 private:
  std::vector<std::string> small_;
  std::set<std::string> large_;
};

struct Frame {
  Role role = Role::Ignored;
  bool object = false;
  std::string key;              // the member being read, of an object
  std::string path;             // where it is, for the reasons
  std::int64_t element = 0;     // the next element's index, of an array
  std::int32_t owner = -1;      // of a list: the container or pallet holding it; -1: the document
  bool ownerIsPallet = false;
  KeySet keys;
};

// The lists of one container, one pallet or the document itself.
struct Lists {
  bool havePlacements = false, haveBlocks = false;
  std::vector<PlacedCarton> placements;
  std::vector<CartonBlock> blocks;
  std::vector<PlacedPallet> pallets;
};

struct ContainerDraft {
  std::optional<std::int64_t> type;
  Lists lists;
};

struct PalletDraft {
  std::optional<std::string> type;
  std::optional<std::int64_t> height;
  std::optional<double> grossWeight;
  Lists lists;
};

constexpr std::array<const char*, 7> kPlacementFields = {"x", "y", "z", "sizeX", "sizeY", "sizeZ", "cartonIndex"};
constexpr std::array<const char*, 14> kBlockFields = {"x",  "y",  "z",     "sizeX", "sizeY", "sizeZ", "nx",
                                                      "ny", "nz", "count", "gapX",  "gapY",  "gapZ",  "cartonIndex"};
constexpr std::array<const char*, 8> kPalletPlacementFields = {"x", "y", "z", "pallet", "turned", "sizeX", "sizeY", "sizeZ"};

bool isKnownField(Role list, const std::string& name) {
  const auto has = [&](const auto& fields) {
    return std::any_of(fields.begin(), fields.end(), [&](const char* f) { return name == f; });
  };
  if (list == Role::BlockList) return has(kBlockFields);
  return has(kPlacementFields) || has(kPalletPlacementFields);
}

// Reads the document event by event; no tree of it is built. Every handler returns false
// to stop at the first fault.
class PlanReader {
 public:
  using number_integer_t = json::number_integer_t;
  using number_unsigned_t = json::number_unsigned_t;
  using number_float_t = json::number_float_t;
  using string_t = json::string_t;
  using binary_t = json::binary_t;

  bool null() { return scalar(Scalar{}, nullptr); }
  bool boolean(bool v) { return scalar(Scalar{Scalar::Kind::Flag, 0, 0, v}, nullptr); }
  bool number_integer(number_integer_t v) {
    return scalar(Scalar{Scalar::Kind::Whole, v, static_cast<double>(v), false}, nullptr);
  }
  bool number_unsigned(number_unsigned_t v) {
    const std::int64_t whole = v > static_cast<number_unsigned_t>(std::numeric_limits<std::int64_t>::max())
                                   ? std::numeric_limits<std::int64_t>::max()
                                   : static_cast<std::int64_t>(v);
    return scalar(Scalar{Scalar::Kind::Whole, whole, static_cast<double>(v), false}, nullptr);
  }
  bool number_float(number_float_t v, const string_t&) { return scalar(Scalar{Scalar::Kind::Number, 0, v, false}, nullptr); }
  bool string(string_t& text) { return scalar(Scalar{}, &text); }
  bool binary(binary_t&) { return scalar(Scalar{}, nullptr); }

  bool start_object(std::size_t) {
    if (stack_.empty()) return push(Role::Root, true, "");
    const Role role = childRole(true);
    if (role == Role::Container) {
      if (static_cast<std::int64_t>(containers_.size()) >= kMaxPlanContainers) return tooManyContainers();
      containers_.emplace_back();
    } else if (role == Role::Pallet) {
      pallets_.emplace_back();
    } else if (role == Role::Element) {
      fields_.clear();
    }
    if (!reason_.empty()) return false;
    return push(role, true, childPath());
  }
  bool end_object() {
    const Frame frame = pop();
    if (frame.role == Role::Element && !finishElement(frame)) return false;
    advance();
    return true;
  }
  bool start_array(std::size_t) {
    if (stack_.empty()) return fail(notObject());
    const Role role = childRole(false);
    if (!reason_.empty()) return false;
    const Frame& parent = stack_.back();
    std::int32_t owner = -1;
    bool ownerIsPallet = false;
    if (role == Role::CartonList || role == Role::BlockList) {
      Lists& lists = listsOf(parent.role);
      bool& have = role == Role::CartonList ? lists.havePlacements : lists.haveBlocks;
      if (have) return fail(says(childPath() + " 出现了两次", childPath() + " appears twice"));
      have = true;
      if (parent.role == Role::Container) owner = static_cast<std::int32_t>(containers_.size() - 1);
      if (parent.role == Role::Pallet) {
        owner = static_cast<std::int32_t>(pallets_.size() - 1);
        ownerIsPallet = true;
      }
    }
    if (role == Role::PalletList) sawPallets_ = true;
    if (!push(role, false, childPath())) return false;
    stack_.back().owner = owner;
    stack_.back().ownerIsPallet = ownerIsPallet;
    return true;
  }
  bool end_array() {
    pop();
    advance();
    return true;
  }
  bool key(string_t& name) {
    Frame& frame = stack_.back();
    if (!frame.keys.insert(name)) {
      const std::string at = frame.path.empty() ? name : frame.path + "." + name;
      return fail(says(at + "：同一对象中出现了两次", at + ": given twice in one object"));
    }
    frame.key = name;
    return true;
  }
  bool parse_error(std::size_t position, const std::string&, const nlohmann::detail::exception&) {
    const std::string at = std::to_string(position);
    return fail(says("不是有效的 JSON：第 " + at + " 字节处有误", "not valid JSON: error at byte " + at));
  }

  PlanReading finish() {
    PlanReading reading;
    if (reason_.empty()) reading.plan = assemble();
    reading.reason = reason_;
    if (!reason_.empty()) reading.plan.reset();
    return reading;
  }

 private:
  // ---- The form of the document

  Role childRole(bool object) {
    const Frame& parent = stack_.back();
    const std::string& key = parent.key;
    const auto list = [&](Role role) {
      if (object) fail(says(childPath() + "：应为数组", childPath() + ": expected an array"));
      return role;
    };
    switch (parent.role) {
      case Role::Root:
        if (key == "containers") return list(Role::ContainerList);
        if (key == "pallets") return list(Role::PalletList);
        if (key == "placements") return list(Role::CartonList);
        if (key == "blocks") return list(Role::BlockList);
        if (isRootScalar(key)) fail(notScalar(childPath()));
        return Role::Ignored;
      case Role::Container:
      case Role::Pallet:
        if (key == "placements") return list(Role::CartonList);
        if (key == "blocks") return list(Role::BlockList);
        if (key == "type" || key == "height" || key == "grossWeight") fail(notScalar(childPath()));
        return Role::Ignored;
      case Role::ContainerList:
      case Role::PalletList:
      case Role::CartonList:
      case Role::BlockList: {
        if (!object) {
          fail(says(childPath() + "：应为对象", childPath() + ": expected an object"));
          return Role::Ignored;
        }
        if (parent.role == Role::ContainerList) return Role::Container;
        if (parent.role == Role::PalletList) return Role::Pallet;
        return Role::Element;
      }
      case Role::Element:
        if (isKnownField(stack_[stack_.size() - 2].role, key)) fail(notScalar(childPath()));
        return Role::Ignored;
      case Role::Ignored: return Role::Ignored;
    }
    return Role::Ignored;
  }

  static bool isRootScalar(const std::string& key) {
    return key == "mode" || key == "status" || key == "setCount" || key == "supportPercent" || key == "loading";
  }

  std::string childPath() const {
    const Frame& parent = stack_.back();
    if (parent.object) return parent.path.empty() ? parent.key : parent.path + "." + parent.key;
    return parent.path + "[" + std::to_string(parent.element) + "]";
  }

  bool push(Role role, bool object, std::string path) {
    if (static_cast<int>(stack_.size()) >= kMaxPlanJsonDepth) {
      const std::string most = std::to_string(kMaxPlanJsonDepth);
      return fail(says("JSON 嵌套超过 " + most + " 层", "the JSON nests deeper than " + most + " levels"));
    }
    Frame frame;
    frame.role = role;
    frame.object = object;
    frame.path = std::move(path);
    stack_.push_back(std::move(frame));
    return true;
  }
  Frame pop() {
    Frame frame = std::move(stack_.back());
    stack_.pop_back();
    return frame;
  }
  // A value of an array was read: the next one is the next element.
  void advance() {
    if (!stack_.empty() && !stack_.back().object) ++stack_.back().element;
  }

  Lists& listsOf(Role role) {
    if (role == Role::Container) return containers_.back().lists;
    if (role == Role::Pallet) return pallets_.back().lists;
    return top_;
  }

  // ---- Scalars

  bool scalar(const Scalar& value, const std::string* text) {
    if (stack_.empty()) return fail(notObject());
    Frame& parent = stack_.back();
    const std::string at = childPath();
    advance();
    switch (parent.role) {
      case Role::Root: return rootScalar(parent.key, value, text, at);
      case Role::Container:
        if (parent.key == "type") {
          if (value.kind != Scalar::Kind::Whole || value.whole < 0 || value.whole > kMaxPlanContainers)
            return fail(says(at + "：应为集装箱种类的序号", at + ": expected the index of a container type"));
          containers_.back().type = value.whole;
        }
        if (parent.key == "placements" || parent.key == "blocks")
          return fail(says(at + "：应为数组", at + ": expected an array"));
        return true;
      case Role::Pallet:
        if (parent.key == "type") {
          if (text == nullptr) return fail(says(at + "：应为托盘类型的名称", at + ": expected the name of a pallet type"));
          pallets_.back().type = *text;
        } else if (parent.key == "height") {
          if (value.kind != Scalar::Kind::Whole || value.whole < std::numeric_limits<std::int32_t>::min() ||
              value.whole > std::numeric_limits<std::int32_t>::max())
            return fail(notWhole(at));
          pallets_.back().height = value.whole;
        } else if (parent.key == "grossWeight") {
          if (value.kind != Scalar::Kind::Whole && value.kind != Scalar::Kind::Number)
            return fail(says(at + "：应为数字", at + ": expected a number"));
          pallets_.back().grossWeight = value.number;
        } else if (parent.key == "placements" || parent.key == "blocks") {
          return fail(says(at + "：应为数组", at + ": expected an array"));
        }
        return true;
      case Role::ContainerList:
      case Role::PalletList:
      case Role::CartonList:
      case Role::BlockList: return fail(says(at + "：应为对象", at + ": expected an object"));
      case Role::Element:
        if (!isKnownField(stack_[stack_.size() - 2].role, parent.key)) return true;
        fields_.emplace_back(parent.key, value);
        return true;
      case Role::Ignored: return true;
    }
    return true;
  }

  bool rootScalar(const std::string& key, const Scalar& value, const std::string* text, const std::string& at) {
    if (key == "mode" || key == "status" || key == "loading") {
      if (text == nullptr) return fail(says(at + "：应为文字", at + ": expected a text"));
      (key == "mode" ? mode_ : key == "status" ? status_ : loading_) = *text;
      return true;
    }
    if (key == "setCount") {
      if (value.kind != Scalar::Kind::Whole || value.whole < 0)
        return fail(says("setCount：应为不小于 0 的整数", "setCount: expected a whole number, 0 or more"));
      setCount_ = value.whole;
      return true;
    }
    if (key == "supportPercent") {
      if (value.kind != Scalar::Kind::Whole || value.whole < 0 || value.whole > 100)
        return fail(says("supportPercent：应为 0 到 100 的整数", "supportPercent: expected a whole number from 0 to 100"));
      supportPercent_ = static_cast<std::int32_t>(value.whole);
      return true;
    }
    if (key == "containers" || key == "pallets" || key == "placements" || key == "blocks")
      return fail(says(at + "：应为数组", at + ": expected an array"));
    return true;
  }

  // ---- Elements

  const Scalar* field(const char* name) const {
    for (const auto& [key, value] : fields_)
      if (key == name) return &value;
    return nullptr;
  }
  // A whole number within 32 bits; nothing with the reason set when it is missing or not one.
  std::optional<std::int32_t> whole(const Frame& element, const char* name, bool required = true) {
    const Scalar* value = field(name);
    const std::string at = element.path + "." + name;
    if (value == nullptr) {
      if (required) fail(says(element.path + "：缺少 " + name, element.path + ": " + name + " is missing"));
      return std::nullopt;
    }
    if (value->kind != Scalar::Kind::Whole || value->whole < std::numeric_limits<std::int32_t>::min() ||
        value->whole > std::numeric_limits<std::int32_t>::max()) {
      fail(notWhole(at));
      return std::nullopt;
    }
    return static_cast<std::int32_t>(value->whole);
  }

  bool finishElement(const Frame& element) {
    const Frame& list = stack_.back();
    Lists& lists = list.owner < 0 ? top_
                   : list.ownerIsPallet ? pallets_[static_cast<std::size_t>(list.owner)].lists
                                        : containers_[static_cast<std::size_t>(list.owner)].lists;
    if (list.role == Role::BlockList) return finishBlock(element, lists);
    if (field("pallet") != nullptr) return finishPalletPlacement(element, lists, list);
    std::array<std::int32_t, kPlacementFields.size()> v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
      const auto value = whole(element, kPlacementFields[i]);
      if (!value) return false;
      v[i] = *value;
    }
    if (++cartons_ > kMaxPlanCartons) return tooManyCartons();
    lists.placements.push_back(PlacedCarton{v[6], v[0], v[1], v[2], v[3], v[4], v[5]});
    return true;
  }

  bool finishPalletPlacement(const Frame& element, Lists& lists, const Frame& list) {
    if (list.owner < 0 || list.ownerIsPallet)
      return fail(says(element.path + "：托盘只能放在集装箱中", element.path + ": a pallet stands only in a container"));
    PlacedPallet placed;
    const auto pallet = whole(element, "pallet"), x = whole(element, "x"), y = whole(element, "y"), z = whole(element, "z");
    if (!pallet || !x || !y || !z) return false;
    placed.pallet = *pallet;
    placed.x = *x;
    placed.y = *y;
    placed.z = *z;
    if (const Scalar* turned = field("turned")) {
      if (turned->kind != Scalar::Kind::Flag)
        return fail(says(element.path + ".turned：应为 true 或 false", element.path + ".turned: expected true or false"));
      placed.turned = turned->flag;
    }
    placed.statedSizeX = whole(element, "sizeX", false);
    placed.statedSizeY = whole(element, "sizeY", false);
    placed.statedSizeZ = whole(element, "sizeZ", false);
    if (!reason_.empty()) return false;
    lists.pallets.push_back(placed);
    return true;
  }

  bool finishBlock(const Frame& element, Lists& lists) {
    std::array<std::int32_t, kBlockFields.size()> v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
      const auto value = whole(element, kBlockFields[i]);
      if (!value) return false;
      v[i] = *value;
    }
    const CartonBlock block{v[13], v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12]};
    for (const std::size_t f : {std::size_t{6}, std::size_t{7}, std::size_t{8}, std::size_t{9}}) {
      if (v[f] >= 0) continue;
      const std::string at = element.path + "." + kBlockFields[f];
      return fail(says(at + "：不能为负数", at + ": must not be negative"));
    }
    const std::int64_t capacity = blockCapacity(block);
    if (block.count > capacity) {
      const std::string at = element.path + ".count", places = std::to_string(capacity);
      return fail(says(at + "：多于其网格的 " + places + " 个位置", at + ": more than the " + places + " places of its grid"));
    }
    if (block.count > 0 && !lastCartonFits(block))
      return fail(says(element.path + "：其纸箱的位置超出 32 位整数范围", element.path + ": its cartons lie beyond the 32-bit range"));
    cartons_ += block.count;
    if (cartons_ > kMaxPlanCartons) return tooManyCartons();
    lists.blocks.push_back(block);
    return true;
  }

  // The vertex of the block's furthest place stays a 32-bit number on every axis.
  static bool lastCartonFits(const CartonBlock& b) {
    const auto fits = [](std::int32_t start, std::int32_t places, std::int32_t size, std::int32_t gap) {
      const std::int64_t last = start + (std::int64_t{places} - 1) * (std::int64_t{size} + gap);
      return last >= std::numeric_limits<std::int32_t>::min() && last <= std::numeric_limits<std::int32_t>::max();
    };
    return fits(b.x, b.nx, b.sizeX, b.gapX) && fits(b.y, b.ny, b.sizeY, b.gapY) && fits(b.z, b.nz, b.sizeZ, b.gapZ);
  }

  // ---- The plan as a whole

  // The cartons of one container's or pallet's lists; where both lists are given they
  // must hold the same cartons. Nothing, with the reason set, when they differ.
  std::optional<std::vector<PlacedCarton>> cartonsOf(Lists& lists, const std::string& where) {
    std::vector<PlacedCarton> fromBlocks;
    for (const CartonBlock& block : lists.blocks) appendBlockCartons(block, fromBlocks);
    if (!lists.havePlacements) return fromBlocks;
    if (!lists.haveBlocks) return std::move(lists.placements);
    const auto order = [](const PlacedCarton& a, const PlacedCarton& b) {
      return std::tie(a.type, a.x, a.y, a.z, a.sizeX, a.sizeY, a.sizeZ) <
             std::tie(b.type, b.x, b.y, b.z, b.sizeX, b.sizeY, b.sizeZ);
    };
    std::vector<PlacedCarton> placements = lists.placements;
    std::sort(placements.begin(), placements.end(), order);
    std::sort(fromBlocks.begin(), fromBlocks.end(), order);
    if (placements != fromBlocks) {
      const std::string at = where.empty() ? std::string() : where + "：";
      const std::string atEn = where.empty() ? std::string() : where + ": ";
      fail(says(at + "placements 与 blocks 所列纸箱不一致，不是装箱方案",
                atEn + "placements and blocks list different cartons: not a plan"));
      return std::nullopt;
    }
    return std::move(lists.placements);
  }

  std::optional<PlanDocument> assemble() {
    PlanDocument plan;
    if (mode_.empty()) {
      fail(says("文档中没有 mode，不是 cargolyx-cli plan --json 给出的装箱方案",
                "the document has no mode: not a plan as cargolyx-cli plan --json writes it"));
      return std::nullopt;
    }
    if (mode_ == "single" || mode_ == "zoned" || mode_ == "none") plan.kind = PlanKind::Sets;
    else if (mode_ == "max") plan.kind = PlanKind::LoadMax;
    else if (mode_ == "fleet") plan.kind = PlanKind::Fleet;
    else if (mode_ == "pallets") plan.kind = PlanKind::Pallets;
    else {
      fail(says("mode“" + mode_ + "”不是任何一种装箱方式", "mode \"" + mode_ + "\" names no planner"));
      return std::nullopt;
    }
    if (!status_.empty() && status_ != "loaded" && status_ != "timed-out") {
      fail(says("报告的状态为 " + status_ + "，其中没有装箱方案", "the report's status is " + status_ + ": it holds no plan"));
      return std::nullopt;
    }
    plan.fleetTypes = plan.kind == PlanKind::Fleet || (plan.kind == PlanKind::Pallets && loading_ == "fleet");
    plan.setCount = setCount_;
    plan.supportPercent = supportPercent_;

    const bool oneContainer = plan.kind == PlanKind::Sets || plan.kind == PlanKind::LoadMax;
    const bool topLists = top_.havePlacements || top_.haveBlocks;
    if (!oneContainer && topLists) {
      fail(says("多个集装箱的方案应把纸箱列在 containers 中", "a plan of several containers lists its cartons in containers"));
      return std::nullopt;
    }
    if (oneContainer && containers_.size() > 1) {
      fail(says("该方案只装一个集装箱，containers 却列出了 " + std::to_string(containers_.size()) + " 个",
                "a plan of one container lists " + std::to_string(containers_.size()) + " containers"));
      return std::nullopt;
    }
    if (plan.kind == PlanKind::Pallets && !sawPallets_) {
      fail(says("托盘方案中没有 pallets", "a pallet plan without pallets"));
      return std::nullopt;
    }
    if (containers_.empty() && !topLists) {
      fail(says("计划中没有 containers，也没有 placements 或 blocks", "the plan has no containers, placements or blocks"));
      return std::nullopt;
    }
    for (std::size_t k = 0; k < pallets_.size(); ++k) {
      PalletDraft& draft = pallets_[k];
      const std::string where = "pallets[" + std::to_string(k) + "]";
      if (!draft.type) {
        fail(says(where + ".type：应为托盘类型的名称", where + ".type: expected the name of a pallet type"));
        return std::nullopt;
      }
      auto cartons = cartonsOf(draft.lists, where);
      if (!cartons) return std::nullopt;
      plan.pallets.push_back(PlanPallet{*draft.type,
                                        draft.height ? std::optional<std::int32_t>(static_cast<std::int32_t>(*draft.height))
                                                     : std::nullopt,
                                        draft.grossWeight, std::move(*cartons)});
    }
    std::optional<std::vector<PlacedCarton>> top;
    if (topLists) {
      top = cartonsOf(top_, "");
      if (!top) return std::nullopt;
    }
    for (std::size_t k = 0; k < containers_.size(); ++k) {
      ContainerDraft& draft = containers_[k];
      const std::string where = "containers[" + std::to_string(k) + "]";
      if (!draft.type) {
        fail(says(where + ".type：缺少集装箱种类的序号", where + ".type: the index of its container type is missing"));
        return std::nullopt;
      }
      auto cartons = cartonsOf(draft.lists, where);
      if (!cartons) return std::nullopt;
      if (cartons->empty() && draft.lists.pallets.empty()) {
        fail(says(where + "：其中什么也没装，不是装箱方案中的集装箱",
                  where + ": it holds nothing, no container of a plan"));
        return std::nullopt;
      }
      plan.containers.push_back(PlanContainer{static_cast<std::int32_t>(*draft.type), std::move(*cartons),
                                              std::move(draft.lists.pallets)});
    }
    if (top) {
      if (plan.containers.empty()) {
        plan.containers.push_back(PlanContainer{0, std::move(*top), {}});
      } else {
        const auto order = [](const PlacedCarton& a, const PlacedCarton& b) {
          return std::tie(a.type, a.x, a.y, a.z, a.sizeX, a.sizeY, a.sizeZ) <
                 std::tie(b.type, b.x, b.y, b.z, b.sizeX, b.sizeY, b.sizeZ);
        };
        std::vector<PlacedCarton> listed = plan.containers.front().cartons;
        std::sort(listed.begin(), listed.end(), order);
        std::sort(top->begin(), top->end(), order);
        if (listed != *top) {
          fail(says("containers 与文档顶层所列纸箱不一致，不是装箱方案",
                    "containers and the document's own lists give different cartons: not a plan"));
          return std::nullopt;
        }
      }
    }
    return plan;
  }

  // ---- Reasons

  std::string notObject() const { return says("计划不是 JSON 对象", "the plan is not a JSON object"); }
  static std::string notWhole(const std::string& at) {
    return says(at + "：应为 32 位范围内的整数", at + ": expected a whole number within 32 bits");
  }
  static std::string notScalar(const std::string& at) {
    return says(at + "：应为数字或文字", at + ": expected a number or a text");
  }
  bool fail(const std::string& reason) {
    if (reason_.empty()) reason_ = reason;
    return false;
  }
  bool tooManyCartons() {
    const std::string most = std::to_string(kMaxPlanCartons);
    return fail(says("计划中的纸箱超过 " + most + " 箱", "the plan holds more than " + most + " cartons"));
  }
  bool tooManyContainers() {
    const std::string most = std::to_string(kMaxPlanContainers);
    return fail(says("计划中的集装箱超过 " + most + " 个", "the plan holds more than " + most + " containers"));
  }

  std::vector<Frame> stack_;
  std::vector<std::pair<std::string, Scalar>> fields_;  // of the element being read
  Lists top_;
  std::vector<ContainerDraft> containers_;
  std::vector<PalletDraft> pallets_;
  std::string mode_, status_, loading_;
  std::int64_t setCount_ = 0;
  std::optional<std::int32_t> supportPercent_;
  std::int64_t cartons_ = 0;
  bool sawPallets_ = false;
  std::string reason_;
};

}  // namespace

PlanReading readPlanJson(std::string_view text) {
  if (text.size() > kMaxPlanJsonBytes) {
    PlanReading reading;
    const std::string most = std::to_string(kMaxPlanJsonBytes >> 20);
    reading.reason = says("计划大于 " + most + " MiB", "the plan is larger than " + most + " MiB");
    return reading;
  }
  PlanReader reader;
  json::sax_parse(text.begin(), text.end(), &reader);
  return reader.finish();
}

}  // namespace check
