#include "export/exportplan.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <exception>
#include <vector>

#include "boxpic/boxpic.h"
#include "export/axletable.h"
#include "model/orientation.h"
#include "commands/leftovers.h"
#include "commands/loadbalance.h"
#include "commands/statistics.h"
#include "export/dynamiclibrary.h"
#include "export/stagingfolder.h"
#include "export/textreplace.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "model/palette.h"
#include "model/gbk.h"
#include "model/projectfile.h"

namespace {

constexpr std::int32_t kCartonPictureSize = 200;
constexpr std::int32_t kBlockPictureWidth = 600;
constexpr std::int32_t kBlockPictureHeight = 350;

std::string withTrailingSlash(std::string folder) {
  if (folder.empty()) return "./";
  if (folder.back() != '/') folder += '/';
  return folder;
}

std::string number(std::int64_t value) { return std::to_string(value); }

bool pictureWritten(const std::string& file) {
  struct stat st {};
  return ::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0;
}

}  // namespace

ExportPlan::ExportPlan(const FillScheme& project, const std::string& programFolder,
                       const std::string& outputFolder)
    : ExportPlan(project.input(),
                 project.result.empty() ? LoadedContainer{project.container, {}} : project.result.containers.front(),
                 leftoverCartons(project.input(), project.result), programFolder, outputFolder) {}

ExportPlan::ExportPlan(const ProjectInput& input, const LoadedContainer& loaded, std::vector<Leftover> leftovers,
                       const std::string& programFolder, const std::string& outputFolder)
    : project_(input), loaded_(loaded), leftovers_(std::move(leftovers)) {
  const std::string program = withTrailingSlash(programFolder);
  htmlFile = (outputFolder.empty() ? program : withTrailingSlash(outputFolder)) + "packplan.htm";
  templateFile = program + "template.htm";
  pictureExt = ".PNG";
  cartonPrefix = "carton";
  blockPrefix = "block";
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
  if (name.rfind(blockPrefix, 0) == 0) return kExportBlockPicturesFailed;
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
  const auto text = gbkToUtf8(raw);
  if (!text) {
    if (error) *error = templateFile + ": not GBK text";
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
      bytes ? std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()) : builtInPlanTemplate();
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
  const auto drawBlock = library.entry<DrawBlockFunction>("DrawBlock");
  if (drawBlock == nullptr) return fail(libraryFile + ": no entry point DrawBlock");
  const Container& container = loaded_.container;
  for (std::size_t i = 0; i < loaded_.blocks.size(); ++i) {
    const BlockScheme& block = loaded_.blocks[i];
    const OrientationCodes codes = orientationCodes(block.orientation);
    const bool drawn = stagePicture(staging, blockPictureName(i), [&](const char* file) {
      // The pitch takes the project's spacings, not the gaps stored in the block.
      drawBlock(file, kBlockPictureWidth, kBlockPictureHeight, container.width, container.height,
                container.length, block.x, block.y, block.z,
                static_cast<double>(block.sizeX) + project_.spacingW,
                static_cast<double>(block.sizeY) + project_.spacingH,
                static_cast<double>(block.sizeZ) + project_.spacingL, block.nx, block.ny, block.nz,
                codes.alongY, codes.alongZ, codes.alongX, static_cast<std::int32_t>(materialColor(block.material)));
    });
    if (!drawn) return false;
  }
  return true;
} catch (const std::exception& e) {
  return fail(libraryFile + ": " + e.what());
}

std::string ExportPlan::cartonPictureName(std::size_t index) const {
  return cartonPrefix + std::to_string(index) + pictureExt;
}

std::string ExportPlan::blockPictureName(std::size_t index) const {
  return blockPrefix + std::to_string(index) + pictureExt;
}

std::string ExportPlan::cartonLegendHtml() const {
  std::string html;
  for (std::size_t i = 0; i < project_.cartons.size(); ++i) {
    const Carton& carton = project_.cartons[i];
    html += "<table border=0><tr><td><img src='" + cartonPictureName(i) + "' border=0></td><td>";
    html += escapeHtml(carton.name) + ":  L=" + number(carton.length) + " W=" + number(carton.width) +
            " H=" + number(carton.height) + inLanguage(" 数量：", " count: ") + number(carton.count);
    html += "</td></tr></table><br><hr>";
  }
  return html;
}

std::string ExportPlan::blockPicturesHtml() const {
  std::string html;
  for (std::size_t i = 0; i < loaded_.blocks.size(); ++i) {
    const BlockScheme& block = loaded_.blocks[i];
    html += "<img src='" + blockPictureName(i) + "' border=0><br>";
    html += inLanguage("第", "Block ") + number(static_cast<std::int64_t>(i) + 1) +
            inLanguage("块  所用纸箱：", "  carton: ") + escapeHtml(block.cartonName);
    html += inLanguage("<br>放置方向：", "<br>orientation: ") + block.orientationText();
    html += inLanguage("<br>顶点坐标：", "<br>vertex: ") + number(block.x) + "," + number(block.y) + "," +
            number(block.z);
    html += inLanguage("<br>码放方式：", "<br>arrangement: ") + number(block.nx) + "×" + number(block.ny) +
            "×" + number(block.nz);
    html += inLanguage("<br>码放数量：", "<br>cartons loaded: ") + number(block.count);
    if (block.count != block.capacity())
      html += inLanguage(" (注：本区域可容纳", " (note: this block holds ") + number(block.capacity()) +
              inLanguage("个纸箱（见图），实际无需放满）", " cartons (see the picture); it need not be full)");
    html += "<br><hr>";
  }
  return html;
}

std::string ExportPlan::totalsHtml() const {
  std::string html;
  const ResultStatistics statistics = resultStatistics(project_, loaded_);
  if (statistics.setCount > 1) html += inLanguage("套数：", "Sets: ") + number(statistics.setCount);
  html += inLanguage(" 总箱数：", " Cartons: ") + number(statistics.loadedCount);
  html += inLanguage(" 总体积：", " Volume: ") + formatTwoDecimals(statistics.loadedVolume * 1e-9) +
          inLanguage("立方米", " cubic metres");
  html += inLanguage(" 填充率：", " Fill ratio: ") + formatTwoDecimals(statistics.fillRatio * 100) + "%";
  html += inLanguage(" 净装箱率：", " Net loading ratio: ") + formatTwoDecimals(statistics.netRatio * 100) + "%";
  if (!loaded_.blocks.empty()) {
    const LoadBalance balance = loadBalance(project_.cartons, loaded_);
    html += "<br>" + escapeHtml(loadedWeightText(balance));
    if (const std::string centre = centreOfGravityText(balance); !centre.empty()) html += "<br>" + escapeHtml(centre);
  }
  if (const std::optional<AxleLoads> axles = axleLoads(project_, loaded_)) html += axleTableHtml(*axles, project_, escapeHtml);
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
