#include "export/exportplan.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <exception>
#include <vector>

#include "boxpic/boxpic.h"
#include "export/axletable.h"
#include "model/cargorules.h"
#include "model/orientation.h"
#include "commands/leftovers.h"
#include "commands/loadbalance.h"
#include "commands/statistics.h"
#include "export/dynamiclibrary.h"
#include "export/installpaths.h"
#include "export/palletlist.h"
#include "commands/palletplan.h"
#include "commands/resultparts.h"
#include "export/plansteps.h"
#include "export/stagingfolder.h"
#include "export/stepwords.h"
#include "export/templateencoding.h"
#include "export/textreplace.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "model/palette.h"
#include "model/gbk.h"
#include "model/projectfile.h"

namespace {

constexpr std::int32_t kCartonPictureSize = 200;
constexpr const char* kOrientationPrefix = "orient";
constexpr std::int32_t kStepPictureWidth = 600;
constexpr std::int32_t kStepPictureHeight = 640;
constexpr std::int32_t kOrientationPictureWidth = 160;
constexpr std::int32_t kOrientationPictureHeight = 120;
constexpr std::int32_t kPalletPictureWidth = 600;
constexpr std::int32_t kPalletPictureHeight = 400;

// A block's cartons as the drawing library takes them: one carton plus the block's own gaps apart.
BoxpicBlock boxpicBlock(const BlockScheme& block, std::int32_t color) {
  return {static_cast<double>(block.x), static_cast<double>(block.y), static_cast<double>(block.z),
          static_cast<double>(block.sizeX), static_cast<double>(block.sizeY), static_cast<double>(block.sizeZ),
          static_cast<double>(block.sizeX) + block.gapX, static_cast<double>(block.sizeY) + block.gapY,
          static_cast<double>(block.sizeZ) + block.gapZ, block.nx, block.ny, block.nz, block.count, color};
}

// A box drawn as one carton of its size.
BoxpicBlock boxpicBox(const PlacedBox& box, std::uint32_t color) {
  return {static_cast<double>(box.x), static_cast<double>(box.y), static_cast<double>(box.z),
          static_cast<double>(box.sizeX), static_cast<double>(box.sizeY), static_cast<double>(box.sizeZ),
          static_cast<double>(box.sizeX), static_cast<double>(box.sizeY), static_cast<double>(box.sizeZ),
          1, 1, 1, 1, static_cast<std::int32_t>(color)};
}

std::string withTrailingSlash(std::string folder) {
  if (folder.empty()) return "./";
  if (folder.back() != '/') folder += '/';
  return folder;
}

std::string number(std::int64_t value) { return std::to_string(value); }

std::string kilograms(double value) { return formatTwoDecimals(value) + " kg"; }

// "600×400×300 mm"
std::string sizeText(std::int64_t x, std::int64_t y, std::int64_t z) {
  return number(x) + "×" + number(y) + "×" + number(z) + " mm";
}

// One fact of a step: its label in bold, then the text (already markup).
std::string factLine(const std::string& label, const std::string& html) {
  return "<p><b>" + label + "</b>" + html + "</p>";
}

std::string label(const char* chinese, const char* english) { return inLanguage(chinese, english); }

bool pictureWritten(const std::string& file) {
  struct stat st {};
  return ::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0;
}

// The document with the page heading in place of its placeholder, or right after the
// <body> tag when the template has no placeholder (at the start when it has no such tag).
std::string withPageHeading(const std::string& document, const std::string& heading) {
  if (document.find(kPageHeadingPlaceholder) != std::string::npos)
    return replaceAll(document, std::string(kPageHeadingPlaceholder), heading);
  if (heading.empty()) return document;
  std::string lower = document;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
  std::size_t at = 0;
  if (const std::size_t body = lower.find("<body"); body != std::string::npos)
    if (const std::size_t end = lower.find('>', body); end != std::string::npos) at = end + 1;
  return document.substr(0, at) + heading + document.substr(at);
}

}  // namespace

// Made from resources/template_en.htm at build time.
std::string_view builtInEnglishPlanTemplate();

std::string_view builtInPlanTemplate(Language language) {
  return language == Language::English ? builtInEnglishPlanTemplate() : builtInPlanTemplate();
}

ExportPlan::ExportPlan(const FillScheme& project, const std::string& programFolder,
                       const std::string& outputFolder)
    : ExportPlan(project.input(),
                 project.result.empty() ? LoadedContainer{project.container, {}} : project.result.containers.front(),
                 leftoverCartons(project.input(), project.result), programFolder, outputFolder) {
  if (project.result.mode == PlanningMode::Pallets) pallets_ = project.result.pallets;
  leftoverReasons_ = listedLeftoverReasons(project.input(), project.result, leftovers_);
}

ExportPlan::ExportPlan(const ProjectInput& input, const LoadedContainer& loaded, std::vector<Leftover> leftovers,
                       const std::string& programFolder, const std::string& outputFolder)
    : project_(input), loaded_(loaded), leftovers_(std::move(leftovers)) {
  const std::string program = withTrailingSlash(programFolder);
  htmlFile = (outputFolder.empty() ? program : withTrailingSlash(outputFolder)) + "packplan.htm";
  templateFile = program + std::string(planTemplateName());
  pictureExt = ".PNG";
  cartonPrefix = "carton";
  blockPrefix = "block";
  palletPrefix = "pallet";
  libraryFile = program + "libboxpic.so";
}

int ExportPlan::run() {
  failedStep_ = kExportDone;
  failureReason_.clear();
  StagingFolder staging(pictureFolder());
  if (!staging.isReady()) {
    fail(staging.error());
    return failedStep_ = kExportDocumentFailed;
  }
  int result = kExportDone;
  if (!stageHtml(staging))
    result = kExportDocumentFailed;
  else if (!stageCartonPictures(staging))
    result = kExportCartonPicturesFailed;
  else if (!stageBlockPictures(staging))
    result = kExportBlockPicturesFailed;
  return failedStep_ = finish(staging, result);
}

int ExportPlan::finish(StagingFolder& staging, int result) {
  if (cancelled()) {
    staging.discard();
    failureReason_ = "cancelled; nothing was written";
    return kExportCancelled;
  }
  // What was finished goes in after a failure too: the document stays when its pictures
  // cannot be drawn (without a drawing library, the document alone is the plan).
  std::string failedName, error;
  if (!staging.commit(&failedName, &error) && result == kExportDone) {
    fail(error);
    return stepOfFile(failedName);
  }
  return result;
}

template <typename Step>
bool ExportPlan::staged(Step step) {
  StagingFolder staging(pictureFolder());
  if (!staging.isReady()) return fail(staging.error());
  const bool done = step(staging);
  return finish(staging, done ? kExportDone : kExportDocumentFailed) == kExportDone && done;
}

int ExportPlan::stepOfFile(const std::string& name) const {
  if (name.rfind(cartonPrefix, 0) == 0) return kExportCartonPicturesFailed;
  if (name.rfind(blockPrefix, 0) == 0 || name.rfind(kOrientationPrefix, 0) == 0 || name.rfind(palletPrefix, 0) == 0)
    return kExportBlockPicturesFailed;
  return kExportDocumentFailed;
}

std::string ExportPlan::failureMessage() const { return exportFailureMessage(failedStep_); }

std::string ExportPlan::pictureFolder() const {
  // The document names its pictures without a folder: they go next to it.
  const std::size_t slash = htmlFile.rfind('/');
  return slash == std::string::npos ? "./" : htmlFile.substr(0, slash + 1);
}

bool ExportPlan::fail(const std::string& reason) {
  failureReason_ = reason;
  return false;
}

bool ExportPlan::writeHtml() {
  return staged([this](StagingFolder& staging) { return stageHtml(staging); });
}

bool ExportPlan::drawCartonPictures() {
  return staged([this](StagingFolder& staging) { return stageCartonPictures(staging); });
}

bool ExportPlan::drawBlockPictures() {
  return staged([this](StagingFolder& staging) { return stageBlockPictures(staging); });
}

std::optional<std::string> ExportPlan::fillTemplate(std::string_view templateBytes, std::string* error) const {
  const std::string_view raw = templateBytes.substr(0, templateBytes.find('\0'));  // a zero byte ends it
  // The document keeps the template's encoding: UTF-8, or GBK for a template of the user's own.
  const TextEncoding encoding = templateEncoding(raw);
  const auto text = encoding == TextEncoding::Utf8
                        ? (isValidUtf8(raw) ? std::optional<std::string>(std::string(raw)) : std::nullopt)
                        : gbkToUtf8(raw);
  if (!text) {
    if (error) *error = templateFile + (encoding == TextEncoding::Utf8 ? ": not UTF-8 text" : ": not GBK text");
    return std::nullopt;
  }
  const std::string legend = cartonLegendHtml();
  const std::string pictures = blockPicturesHtml();
  const std::string container = containerHtml();
  const std::string totals = totalsHtml();
  std::string document = replaceAll(*text, "[纸箱图例]", legend);
  document = replaceAll(document, "[装箱图示]", pictures);
  document = replaceAll(document, "[装箱合计]", totals);
  document = replaceAll(document, "[集装箱描述]", container);
  document = withPageHeading(document, pageHeadingHtml());
  if (encoding == TextEncoding::Utf8) return document;
  auto gbk = utf8ToGbk(document);
  if (!gbk && error) {
    // Name the first name the document cannot hold.
    std::string name;
    const auto check = [&name](const std::string& candidate) {
      if (name.empty() && !utf8ToGbk(candidate)) name = candidate;
    };
    check(loaded_.container.name);
    for (const Carton& carton : project_.cartons) check(carton.name);
    for (const BlockScheme& block : loaded_.blocks) check(block.cartonName);
    for (const LoadedPallet& pallet : pallets_) check(pallet.type.name);
    *error = name.empty() ? std::string("a name in the plan cannot be written in GBK")
                          : "the name \"" + name + "\" cannot be written in GBK";
  }
  return gbk;
}

bool ExportPlan::stageHtml(StagingFolder& staging) try {
  std::string error;
  std::optional<std::vector<std::uint8_t>> bytes;
  if (!templateFile.empty()) {
    bytes = readWholeFile(templateFile, &error, kMaxTemplateSize);
    if (!bytes) return fail(error);
  }
  const std::string_view templateText =
      bytes ? std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size())
            : builtInPlanTemplate(currentLanguage());
  const auto document = fillTemplate(templateText, &error);
  if (!document) return fail(error);
  const std::string name = htmlFile.substr(htmlFile.rfind('/') + 1);
  if (const std::string why = staging.checkReplaceable(name); !why.empty()) return fail(why);
  if (!writeFileSafely(staging.stagedPath(name), std::vector<std::uint8_t>(document->begin(), document->end()),
                       &error))
    return fail(error);
  staging.add(name);
  return true;
} catch (const std::exception& e) {
  return fail(htmlFile + ": " + e.what());
}

bool ExportPlan::stagePicture(StagingFolder& staging, const std::string& name, const std::function<void(const char*)>& draw) {
  if (cancelled()) return fail("cancelled");
  if (const std::string why = staging.checkReplaceable(name); !why.empty()) return fail(why);
  const std::string file = staging.stagedPath(name);
  draw(file.c_str());
  if (!pictureWritten(file)) {
    // An earlier picture of this name must not pass for this plan's.
    ::unlink(staging.finalPath(name).c_str());
    return fail(staging.finalPath(name) + ": the picture was not written");
  }
  staging.add(name);
  return true;
}

bool ExportPlan::stageCartonPictures(StagingFolder& staging) try {
  DynamicLibrary library(libraryFile);
  if (!library.isLoaded()) return fail(library.error());
  const auto drawCarton = library.entry<DrawCartonFunction>("DrawCarton");
  if (drawCarton == nullptr) return fail(libraryFile + ": no entry point DrawCarton");
  for (std::size_t i = 0; i < project_.cartons.size(); ++i) {
    const Carton& carton = project_.cartons[i];
    const bool drawn = stagePicture(staging, cartonPictureName(i), [&](const char* file) {
      drawCarton(file, kCartonPictureSize, kCartonPictureSize, carton.width, carton.height, carton.length,
                 static_cast<std::int32_t>(materialColor(carton.material)));
    });
    if (!drawn) return false;
  }
  return true;
} catch (const std::exception& e) {
  return fail(libraryFile + ": " + e.what());
}

bool ExportPlan::stageBlockPictures(StagingFolder& staging) try {
  DynamicLibrary library(libraryFile);
  if (!library.isLoaded()) return fail(library.error());
  const auto drawStep = library.entry<DrawStepFunction>("DrawStep");
  if (drawStep == nullptr) return fail(libraryFile + ": no entry point DrawStep");
  const auto drawOrientation = library.entry<DrawOrientationFunction>("DrawOrientation");
  if (drawOrientation == nullptr) return fail(libraryFile + ": no entry point DrawOrientation");
  const auto drawPallet = library.entry<DrawPalletFunction>("DrawPallet");
  if (hasPallets() && drawPallet == nullptr) return fail(libraryFile + ": no entry point DrawPallet");
  const Container& container = loaded_.container;
  const std::vector<PlanStep> steps = this->steps();
  const std::string innerEnd = inLanguage("里端", "Inner end"), door = inLanguage("门", "Door");
  std::vector<BoxpicBlock> soFar;
  for (const PlanStep& step : steps) {
    std::string name;
    if (step.placement >= 0) {
      // A pallet goes in as one load: its box, in the colour of wood.
      const PalletPlacement& placement = loaded_.pallets[static_cast<std::size_t>(step.placement)];
      soFar.push_back(boxpicBox(placedPalletBox(pallets_[static_cast<std::size_t>(placement.pallet)], placement),
                                kPalletBaseColor));
      name = palletStepPictureName(static_cast<std::size_t>(step.placement));
    } else {
      const BlockScheme& block = loaded_.blocks[step.block];
      soFar.push_back(boxpicBlock(block, static_cast<std::int32_t>(materialColor(block.material))));
      name = blockPictureName(step.block);
    }
    const LoadBalance& balance = step.balanceSoFar;
    const double centre[3] = {balance.fromLeftWall, balance.aboveFloor, balance.fromInnerEnd};
    const bool drawn = stagePicture(staging, name, [&](const char* file) {
      drawStep(file, kStepPictureWidth, kStepPictureHeight, container.width, container.height, container.length,
               soFar.data(), static_cast<std::int32_t>(soFar.size()), balance.centreKnown ? centre : nullptr,
               innerEnd.c_str(), door.c_str());
    });
    if (!drawn) return false;
  }
  // How each carton type lies, once per orientation it is loaded in.
  std::vector<std::string> drawnNames;
  for (const BlockScheme& block : loaded_.blocks) {
    const std::string name = orientationPictureName(block.cartonIndex, block.orientation);
    if (std::find(drawnNames.begin(), drawnNames.end(), name) != drawnNames.end()) continue;
    drawnNames.push_back(name);
    const OrientationCodes codes = orientationCodes(block.orientation);
    const bool drawn = stagePicture(staging, name, [&](const char* file) {
      drawOrientation(file, kOrientationPictureWidth, kOrientationPictureHeight, block.sizeX, block.sizeY,
                      block.sizeZ, codes.alongX, codes.alongY, codes.alongZ,
                      static_cast<std::int32_t>(materialColor(block.material)));
    });
    if (!drawn) return false;
  }
  return stagePalletPictures(staging, drawPallet);
} catch (const std::exception& e) {
  return fail(libraryFile + ": " + e.what());
}

bool ExportPlan::stagePalletPictures(StagingFolder& staging, DrawPalletFunction drawPallet) {
  if (!hasPallets()) return true;
  const PalletList list = palletsInLoadingOrder();
  const std::string layerPrefix = inLanguage("第 ", "Layer "), layerSuffix = inLanguage(" 层", "");
  for (std::size_t i = 0; i < list.distinct.size(); ++i) {
    const LoadedPallet& pallet = pallets_[list.distinct[i]];
    std::vector<BoxpicBlock> blocks;
    for (const BlockScheme& block : pallet.blocks)
      blocks.push_back(boxpicBlock(block, static_cast<std::int32_t>(materialColor(block.material))));
    const bool drawn = stagePicture(staging, palletPictureName(i), [&](const char* file) {
      drawPallet(file, kPalletPictureWidth, kPalletPictureHeight, pallet.type.width, pallet.type.length,
                 pallet.type.overhang, blocks.data(), static_cast<std::int32_t>(blocks.size()), layerPrefix.c_str(),
                 layerSuffix.c_str());
    });
    if (!drawn) return false;
  }
  return true;
}

FillScheme ExportPlan::planOfContainer() const {
  FillScheme plan;
  plan.input() = project_;
  plan.result.mode = PlanningMode::Pallets;
  plan.result.pallets = pallets_;
  plan.result.containers = {loaded_};
  return plan;
}

std::vector<PlanStep> ExportPlan::steps() const {
  return hasPallets() ? palletPlanSteps(planOfContainer(), 0) : planSteps(project_, loaded_);
}

LoadedContainer ExportPlan::allCartons() const {
  return hasPallets() ? containerWithPalletCartons(planOfContainer(), 0) : loaded_;
}

LoadBalance ExportPlan::wholeBalance() const {
  return hasPallets() ? palletLoadBalance(planOfContainer(), 0) : loadBalance(project_.cartons, loaded_);
}

std::string ExportPlan::cartonPictureName(std::size_t index) const {
  return cartonPrefix + std::to_string(index) + pictureExt;
}

std::string ExportPlan::blockPictureName(std::size_t index) const {
  return blockPrefix + std::to_string(index) + pictureExt;
}

std::string ExportPlan::palletStepPictureName(std::size_t placement) const {
  return blockPrefix + "p" + std::to_string(placement) + pictureExt;
}

std::string ExportPlan::palletPictureName(std::size_t index) const {
  return palletPrefix + std::to_string(index) + pictureExt;
}

std::string ExportPlan::orientationPictureName(int cartonIndex, int orientation) const {
  return kOrientationPrefix + std::to_string(cartonIndex) + "-" + std::to_string(orientation) + pictureExt;
}

std::string ExportPlan::cartonLegendLines() const {
  if (project_.cartons.empty()) return {};
  std::string html = "<div class='cartonLines'>";
  for (std::size_t i = 0; i < project_.cartons.size(); ++i) {
    const Carton& carton = project_.cartons[i];
    html += "<table border=0><tr><td><img src='" + cartonPictureName(i) + "' border=0></td><td>" +
            escapeHtml(carton.name) + ":  L=" + number(carton.length) + " W=" + number(carton.width) +
            " H=" + number(carton.height) + inLanguage(" 数量：", " count: ") + number(carton.count) +
            "</td></tr></table><br><hr>";
  }
  return html + "</div>";
}

std::string ExportPlan::cartonLegendHtml() const {
  if (project_.cartons.empty()) return {};
  const std::vector<std::int64_t> loaded = loadedCountsByType(project_.cartons.size(), allCartons());
  const bool several = !page_.loadedElsewhere.empty();
  std::string html = cartonLegendLines() + "<table class='legend' border=1 cellspacing=0 cellpadding=4><tr><th>" +
                     label("纸箱", "Carton") + "</th><th>" + label("尺寸 L×W×H", "Size L×W×H") + "</th><th>" +
                     label("每箱重量", "Weight each") + "</th><th>" + label("输入", "Entered") + "</th><th>" +
                     (several ? label("本柜装入", "In this container") + "</th><th>" +
                                    label("其他柜装入", "In other containers")
                              : label("装入", "Loaded")) +
                     "</th><th>" + label("未装入", "Not loaded") + "</th></tr>";
  for (std::size_t i = 0; i < project_.cartons.size(); ++i) {
    const Carton& carton = project_.cartons[i];
    std::int64_t left = 0;
    for (const Leftover& leftover : leftovers_)
      if (leftover.cartonIndex == static_cast<int>(i)) left = leftover.count;
    html += "<tr><td>" + escapeHtml(carton.name) + "</td><td>" + sizeText(carton.length, carton.width, carton.height) +
            "</td><td>" + (carton.weight > 0 ? kilograms(carton.weight) : std::string("—")) + "</td><td>" +
            number(carton.count) + "</td><td>" + number(loaded[i]) + "</td><td>" +
            (several ? number(i < page_.loadedElsewhere.size() ? page_.loadedElsewhere[i] : 0) + "</td><td>"
                     : std::string()) +
            number(left) + "</td></tr>";
  }
  html += "</table>";
  if (leftoverReasons_.size() == leftovers_.size() && !leftovers_.empty()) {
    html += "<p class='leftoverReasons'>" + label("未装入的原因：", "Why cartons stayed behind:");
    for (std::size_t k = 0; k < leftovers_.size(); ++k)
      html += "<br>" + escapeHtml(leftovers_[k].name) + " × " + number(leftovers_[k].count) + inLanguage("：", ": ") +
              escapeHtml(leftoverReasons_[k].text);
    html += "</p>";
  }
  return html;
}

std::string ExportPlan::blockPicturesHtml() const {
  const std::vector<PlanStep> steps = this->steps();
  if (steps.empty()) return {};
  std::string html = palletListHtml() + unloadingListHtml() + "<div class='steps'>";
  for (std::size_t k = 0; k < steps.size(); ++k)
    html += steps[k].placement >= 0 ? palletStepHtml(steps, k) : stepHtml(steps, k);
  return html + "</div>";
}

std::string ExportPlan::palletListHtml() const {
  if (!hasPallets()) return {};
  const PalletList list = palletsInLoadingOrder();
  std::string html = "<h3>" + label("托盘清单", "Pallet list") +
                     "</h3><table class='pallets' border=1 cellspacing=0 cellpadding=4><tr><th>" +
                     label("托盘", "Pallet") + "</th><th>" + label("类型", "Type") + "</th><th>" +
                     label("所装纸箱", "Cartons on it") + "</th><th>" + label("高度", "Height") + "</th><th>" +
                     label("毛重", "Gross weight") + "</th><th>" + label("码放图", "Layers") + "</th></tr>";
  for (const PalletListRow& row : list.rows) {
    std::string contents;
    for (const PalletContent& c : row.contents)
      contents += (contents.empty() ? "" : "<br>") + escapeHtml(c.carton) + " × " + number(c.count);
    html += "<tr class='pallet'><td>P" + number(static_cast<std::int64_t>(row.number)) + "</td><td>" +
            escapeHtml(row.type) + "</td><td>" + contents + "</td><td>" + number(row.height) + " mm</td><td>" +
            kilograms(row.grossWeight) + "</td><td>" + label("图 ", "Picture ") +
            number(static_cast<std::int64_t>(row.picture) + 1) + "</td></tr>";
  }
  html += "</table>";
  for (std::size_t i = 0; i < list.distinct.size(); ++i) {
    const LoadedPallet& pallet = pallets_[list.distinct[i]];
    std::string numbers;
    for (const PalletListRow& row : list.rows)
      if (row.picture == i) numbers += (numbers.empty() ? "P" : ", P") + number(static_cast<std::int64_t>(row.number));
    html += "<div class='palletPicture'><h4>" + label("图 ", "Picture ") + number(static_cast<std::int64_t>(i) + 1) +
            inLanguage("：", ": ") + escapeHtml(pallet.type.name) + inLanguage(" 托盘（", " pallet (") + numbers +
            inLanguage("），逐层码放，自下而上", "), layer by layer from the bottom up") + "</h4><img src='" +
            palletPictureName(i) + "' width=600 height=400 alt=''></div>";
  }
  return html;
}

std::string ExportPlan::stepHtml(const std::vector<PlanStep>& steps, std::size_t k) const {
  const PlanStep& step = steps[k];
  const BlockScheme& block = loaded_.blocks[step.block];
  const std::string stepNumber = number(static_cast<std::int64_t>(k) + 1);
  const std::string stepCount = number(static_cast<std::int64_t>(steps.size()));
  const std::string name = escapeHtml(block.cartonName);
  const std::string cartons = number(step.cartons);
  std::string html = "<table class='step'><tr><td class='picture'><img class='stepPicture' src='" +
                     blockPictureName(step.block) + "' width=360 alt='" + inLanguage("第 ", "Step ") + stepNumber +
                     inLanguage(" 步'", "'") + "><p class='blockCaption'>" + blockCaption(step.block) +
                     "</p></td><td class='facts'>";
  html += "<h3>" + stepHeading(steps, k) + name + " × " + cartons + inLanguage(" 箱", " cartons") + "</h3>";

  // The carton, its size and the weight of the step.
  std::string carton = name + inLanguage("，", ", ") + sizeText(block.sizeX, block.sizeY, block.sizeZ) +
                       inLanguage("（沿箱宽×箱高×箱长）", " (across × up × along)");
  if (step.weight) carton += inLanguage("；本步 ", "; this step ") + kilograms(*step.weight);
  html += factLine(label("纸箱：", "Carton: "), carton);
  html += factLine(label("放置：", "Orientation: "),
                   "<img class='orientation' src='" + orientationPictureName(block.cartonIndex, block.orientation) +
                       "' width=80 height=60 alt=''> " + orientationWords(block.orientation));
  html += factLine(label("起点：", "Starts: "), positionWords(block.x, block.y, block.z) +
                                                 inLanguage("（本块最靠里、靠左、最低的角）",
                                                            " (the block's corner nearest the inner end, the left wall "
                                                            "and the floor)"));
  std::string stacking = arrangementWords(block.nx, block.ny, block.nz);
  const std::int64_t empty = block.capacity() - step.cartons;
  if (empty > 0)
    stacking += inLanguage("，装 ", ", ") + cartons + inLanguage(" 箱，", " loaded, ") + number(empty) +
                inLanguage(" 个位置空着（图中虚线框）", " places left empty (dashed in the picture)");
  html += factLine(label("码放：", "Stacking: "), stacking);
  html += factLine(label("累计已装：", "Loaded so far: "),
                   number(step.cartonsSoFar) + inLanguage(" 箱；", " cartons; ") +
                       escapeHtml(loadedWeightText(step.balanceSoFar)));
  if (const std::string centre = centreOfGravityText(step.balanceSoFar); !centre.empty())
    html += "<p>" + escapeHtml(centre) + "</p>";
  return html + "</td></tr></table>";
}

PalletList ExportPlan::palletsInLoadingOrder() const {
  std::vector<std::size_t> order;
  for (const PlanStep& step : steps())
    if (step.placement >= 0) order.push_back(static_cast<std::size_t>(step.placement));
  return palletList(loaded_, pallets_, order);
}

std::vector<std::pair<int, std::int64_t>> ExportPlan::stepCartons(const PlanStep& step) const {
  std::vector<std::pair<int, std::int64_t>> cartons;
  const auto add = [&cartons](const BlockScheme& block) {
    const std::int64_t count = std::clamp<std::int64_t>(block.count, 0, block.capacity());
    for (auto& [type, n] : cartons)
      if (type == block.cartonIndex) {
        n += count;
        return;
      }
    cartons.emplace_back(block.cartonIndex, count);
  };
  if (step.placement < 0) {
    add(loaded_.blocks[step.block]);
  } else {
    const PalletPlacement& placement = loaded_.pallets[static_cast<std::size_t>(step.placement)];
    for (const BlockScheme& block : pallets_[static_cast<std::size_t>(placement.pallet)].blocks) add(block);
  }
  return cartons;
}

std::optional<std::size_t> ExportPlan::stepStop(const PlanStep& step) const {
  // A pallet comes out whole, at the first stop any of its cartons goes to.
  std::vector<std::int32_t> types;
  for (const auto& [type, count] : stepCartons(step)) types.push_back(type);
  return firstStopOf(project_, types);
}

std::string ExportPlan::stepHeading(const std::vector<PlanStep>& steps, std::size_t k) const {
  const std::string stepNumber = number(static_cast<std::int64_t>(k) + 1);
  const std::string stepCount = number(static_cast<std::int64_t>(steps.size()));
  const std::optional<std::size_t> stop = stepStop(steps[k]);
  const std::string stopName = stop ? " · " + escapeHtml(project_.stops[*stop]) : std::string();
  if (currentLanguage() == Language::English) return "Step " + stepNumber + " of " + stepCount + stopName + ": ";
  return "第 " + stepNumber + " 步" + stopName + "（共 " + stepCount + " 步）：";
}

std::string ExportPlan::unloadingListHtml() const {
  if (project_.stops.empty()) return {};
  const std::vector<PlanStep> steps = this->steps();
  const PalletList pallets = hasPallets() ? palletsInLoadingOrder() : PalletList{};
  std::string rows;
  for (std::size_t stop = 0; stop < project_.stops.size(); ++stop) {
    std::string out;
    std::int64_t total = 0;
    // What was loaded last comes out first.
    for (std::size_t k = steps.size(); k-- > 0;) {
      if (stepStop(steps[k]) != stop) continue;
      std::string what;
      for (const auto& [type, count] : stepCartons(steps[k])) {
        const std::string name = type >= 0 && static_cast<std::size_t>(type) < project_.cartons.size()
                                     ? project_.cartons[static_cast<std::size_t>(type)].name
                                     : loaded_.blocks[steps[k].block].cartonName;
        what += (what.empty() ? "" : inLanguage("、", ", ")) + escapeHtml(name) + " × " + number(count);
        total += count;
      }
      if (steps[k].placement >= 0) {
        for (const PalletListRow& row : pallets.rows)
          if (row.placement == static_cast<std::size_t>(steps[k].placement))
            what = inLanguage("托盘 P", "pallet P") + number(static_cast<std::int64_t>(row.number)) +
                   inLanguage("（", " (") + what + inLanguage("）", ")");
      }
      out += (out.empty() ? "" : "<br>") + what + inLanguage("（第 ", " (step ") +
             number(static_cast<std::int64_t>(k) + 1) + inLanguage(" 步）", ")");
    }
    if (out.empty()) continue;
    rows += "<tr class='stop'><td>" + number(static_cast<std::int64_t>(stop) + 1) + "</td><td>" +
            escapeHtml(project_.stops[stop]) + "</td><td>" + out + "</td><td>" + number(total) + "</td></tr>";
  }
  if (rows.empty()) return {};
  return "<h3>" + label("卸货清单（按送货顺序，每站先卸的在前）", "Unloading list (stop by stop, first out first)") +
         "</h3><table class='unloading' border=1 cellspacing=0 cellpadding=4><tr><th>" + label("站", "No.") +
         "</th><th>" + label("目的地", "Stop") + "</th><th>" + label("卸下的货物", "What comes out") + "</th><th>" +
         label("箱数", "Cartons") + "</th></tr>" + rows + "</table>";
}

std::string ExportPlan::blockCaption(std::size_t index) const {
  const BlockScheme& block = loaded_.blocks[index];
  std::string html = inLanguage("第", "Block ") + number(static_cast<std::int64_t>(index) + 1) +
                     inLanguage("块  所用纸箱：", "  carton: ") + escapeHtml(block.cartonName);
  html += inLanguage("<br>放置方向：", "<br>orientation: ") + block.orientationText();
  html += inLanguage("<br>顶点坐标：", "<br>vertex: ") + number(block.x) + "," + number(block.y) + "," +
          number(block.z);
  html += inLanguage("<br>码放方式：", "<br>arrangement: ") + number(block.nx) + "×" + number(block.ny) + "×" +
          number(block.nz);
  html += inLanguage("<br>码放数量：", "<br>cartons stacked: ") + number(block.count);
  if (block.count != block.capacity())
    html += inLanguage(" (注：本区域可容纳", " (note: this block holds ") + number(block.capacity()) +
            inLanguage("个纸箱（见图），实际无需放满）", " cartons (see the picture); it need not be full)");
  return html;
}

std::string ExportPlan::palletStepHtml(const std::vector<PlanStep>& steps, std::size_t k) const {
  const PlanStep& step = steps[k];
  const PalletPlacement& placement = loaded_.pallets[static_cast<std::size_t>(step.placement)];
  const LoadedPallet& pallet = pallets_[static_cast<std::size_t>(placement.pallet)];
  const PalletList list = palletsInLoadingOrder();
  const auto row = *std::find_if(list.rows.begin(), list.rows.end(), [&step](const PalletListRow& r) {
    return r.placement == static_cast<std::size_t>(step.placement);
  });
  const std::string stepNumber = number(static_cast<std::int64_t>(k) + 1);
  const std::string palletName = "P" + number(static_cast<std::int64_t>(row.number));
  const PlacedBox box = placedPalletBox(pallet, placement);
  std::string html = "<table class='step'><tr><td class='picture'><img class='stepPicture' src='" +
                     palletStepPictureName(static_cast<std::size_t>(step.placement)) + "' width=360 alt='" +
                     inLanguage("第 ", "Step ") + stepNumber + inLanguage(" 步'", "'") + "></td><td class='facts'>";
  html += "<h3>" + stepHeading(steps, k) + inLanguage("托盘 ", "pallet ") + palletName +
          inLanguage("（", " (") + escapeHtml(pallet.type.name) + inLanguage("）", ")") + "</h3>";
  std::string facts = number(step.cartons) + inLanguage(" 箱，高 ", " cartons, height ") + number(pallet.height) +
                      " mm" + inLanguage("，毛重 ", ", gross weight ") + kilograms(pallet.grossWeight) +
                      inLanguage("；码放见图 ", "; built as in picture ") + number(static_cast<std::int64_t>(row.picture) + 1);
  html += factLine(label("托盘：", "Pallet: "), facts);
  html += factLine(label("起点：", "Starts: "),
                   positionWords(box.x, box.y, box.z) +
                       (placement.turned ? inLanguage("，托盘长边横放", ", its length across the container")
                                         : inLanguage("，托盘长边顺着箱长", ", its length along the container")));
  html += factLine(label("累计已装：", "Loaded so far: "),
                   number(step.cartonsSoFar) + inLanguage(" 箱；", " cartons; ") +
                       escapeHtml(loadedWeightText(step.balanceSoFar)));
  if (const std::string centre = centreOfGravityText(step.balanceSoFar); !centre.empty())
    html += "<p>" + escapeHtml(centre) + "</p>";
  return html + "</td></tr></table>";
}

std::string ExportPlan::totalsHtml() const {
  std::string html;
  const LoadedContainer all = allCartons();
  const ResultStatistics statistics = resultStatistics(project_, all);
  if (statistics.setCount > 1) html += inLanguage("套数：", "Sets: ") + number(statistics.setCount);
  html += inLanguage(" 总箱数：", " Cartons: ") + number(statistics.loadedCount);
  html += inLanguage(" 总体积：", " Volume: ") + formatTwoDecimals(statistics.loadedVolume * 1e-9) +
          inLanguage("立方米", " cubic metres");
  html += inLanguage(" 填充率：", " Fill ratio: ") + formatTwoDecimals(statistics.fillRatio * 100) + "%";
  html += inLanguage(" 净装箱率：", " Net loading ratio: ") + formatTwoDecimals(statistics.netRatio * 100) + "%";
  if (const std::string sets = setsSummaryText(statistics, project_.cartonTotal()); !sets.empty())
    html += "<br><b>" + sets + "</b>" +
            inLanguage("（按套装载：输入的纸箱为一套，方案装入能装下的最多整套）",
                       " (loaded in sets: the cartons entered make one set, and the plan loads as many whole "
                       "sets as fit)");
  if (!all.blocks.empty()) {
    const LoadBalance balance = wholeBalance();
    html += "<br>" + escapeHtml(loadedWeightText(balance));
    if (const std::string centre = centreOfGravityText(balance); !centre.empty()) html += "<br>" + escapeHtml(centre);
  }
  if (hasPallets()) {
    std::int64_t pallets = 0;
    for (const PalletPlacement& placement : loaded_.pallets)
      if (placement.pallet >= 0 && static_cast<std::size_t>(placement.pallet) < pallets_.size()) ++pallets;
    html += "<br>" + inLanguage("托盘：", "Pallets: ") + number(pallets);
  }
  const std::optional<AxleLoads> axles = hasPallets()
                                            ? listingAxleLoads(project_, loaded_.container, resultListing(planOfContainer(), 0))
                                            : axleLoads(project_, loaded_);
  if (axles) html += axleTableHtml(*axles, project_, escapeHtml);
  // What the plan leaves behind, so that nobody counts on it arriving.
  const std::vector<Leftover>& leftovers = leftovers_;
  if (!leftovers.empty()) {
    html += inLanguage("<br>未装入的纸箱：<table border=1 cellspacing=0 cellpadding=3><tr><th>纸箱</th><th>未装入数量</th></tr>",
                       "<br>Cartons not loaded:<table border=1 cellspacing=0 cellpadding=3><tr><th>Carton</th>"
                       "<th>Not loaded</th></tr>");
    for (const Leftover& leftover : leftovers)
      html += "<tr><td>" + escapeHtml(leftover.name) + "</td><td>" + number(leftover.count) + "</td></tr>";
    html += "</table>";
  }
  return html;
}

std::string ExportPlan::containerHtml() const {
  const Container& container = loaded_.container;
  return escapeHtml(container.name) + " L=" + number(container.length) + " W=" + number(container.width) +
         " H=" + number(container.height);
}

std::string ExportPlan::pageHeadingHtml() const {
  if (page_.count == 0) return {};
  std::string facts = "<a href='" + escapeHtml(page_.indexLink) + "'>" + label("← 返回总览", "← Back to the index") +
                      "</a>";
  if (!page_.projectName.empty())
    facts += inLanguage(" · 项目：", " · Project: ") + escapeHtml(page_.projectName);
  if (!page_.planDate.empty()) facts += inLanguage(" · 方案日期：", " · Plan of ") + escapeHtml(page_.planDate);
  return "<p class='pageHeading'>" + facts + "</p><h2 class='containerOf'>" +
         inLanguage("集装箱 ", "Container ") + number(static_cast<std::int64_t>(page_.number)) +
         inLanguage(" / 共 ", " of ") + number(static_cast<std::int64_t>(page_.count)) + " · " +
         escapeHtml(loaded_.container.name) + "</h2>";
}

OrientationCodes orientationCodes(int orientation) {
  if (!isOrientationCode(orientation)) return {};
  // The drawing library numbers the edges L = 2, W = 1, H = 0.
  const auto code = [](Edge e) { return e == Edge::Length ? 2 : e == Edge::Width ? 1 : 0; };
  const OrientationEdges& e = kOrientationEdges[static_cast<std::size_t>(orientation)];
  return {code(e.alongY), code(e.alongZ), code(e.alongX)};
}



std::string exportFailureMessage(int result) {
  switch (result) {
    case kExportDocumentFailed:
      return inLanguage("导出HTML文件失败。", "Exporting the HTML file failed.");
    case kExportCartonPicturesFailed:
      return inLanguage("导出纸箱图例文件失败。", "Exporting the carton pictures failed.");
    case kExportBlockPicturesFailed:
      return inLanguage("导出装箱方案分解示意图失败。", "Exporting the block pictures failed.");
    default: return "";
  }
}
