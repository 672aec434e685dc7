#pragma once
// The loading plan as an HTML document: the template "template.htm" (English:
// "template_en.htm") filled with the carton legend, one picture and description per loading
// step, the container and the totals, written as "packplan.htm" next to the pictures that the
// drawing library libboxpic.so draws. Each step's picture shows what is loaded so far, seen
// from the door, with the step's cartons in their colour.
//
// The document has the template's encoding: UTF-8 for the templates that come with the
// program, GBK for a GBK template of the user's own (templateencoding.h). The texts are built
// in UTF-8; a GBK template is converted to UTF-8 before the placeholders are replaced and
// the document back to GBK as a whole, so a placeholder is never found across the bytes of
// a Chinese character.

#include <atomic>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "boxpic/boxpic.h"
#include "commands/leftoverreasons.h"
#include "commands/leftovers.h"
#include "engine/balance.h"
#include "model/fillscheme.h"
#include "model/language.h"
#include "platform/programfolder.h"

class StagingFolder;
struct PlanStep;
struct PalletList;

// The default template as the program was built with it (resources/template.htm).
std::string_view builtInPlanTemplate();
// The default template of a language: resources/template.htm or resources/template_en.htm.
std::string_view builtInPlanTemplate(Language language);

// Results of ExportPlan::run.
inline constexpr int kExportDone = 0;
inline constexpr int kExportDocumentFailed = 1;
inline constexpr int kExportCartonPicturesFailed = 2;
inline constexpr int kExportBlockPicturesFailed = 3;
// The export was cancelled (see setCancelFlag): nothing of it was written.
inline constexpr int kExportCancelled = 4;

// No real template comes near this size; a larger file is refused before it is read.
inline constexpr std::size_t kMaxTemplateSize = std::size_t{16} << 20;

// Of the plan of one container among several: where it stands in the shipment, for the
// heading of its page and its legend.
struct ContainerPage {
  std::size_t number = 0;   // from 1
  std::size_t count = 0;    // containers in the plan
  std::string projectName;  // empty: not shown
  std::string planDate;     // "2026-12-08"; empty: not shown
  std::string indexLink;    // the index page, from this page: "../index.htm"
  // Per carton type: the cartons loaded into the other containers.
  std::vector<std::int64_t> loadedElsewhere;
};

// The placeholder of the page heading in the templates that come with the program; a
// template without it gets the heading right after its <body> tag.
inline constexpr std::string_view kPageHeadingPlaceholder = "[页眉]";

class ExportPlan {
 public:
  // The plan of one loaded container of a project, with the cartons the whole result
  // leaves behind. The template and libboxpic.so come from programFolder; the document
  // and the pictures are written into outputFolder (the program folder when empty).
  // Folders end in '/'.
  ExportPlan(const ProjectInput& input, const LoadedContainer& loaded, std::vector<Leftover> leftovers,
             const std::string& programFolder = ::programFolder(), const std::string& outputFolder = "");
  // The plan of a project with one loaded container (its first one).
  explicit ExportPlan(const FillScheme& project, const std::string& programFolder = ::programFolder(),
                      const std::string& outputFolder = "");

  std::string htmlFile;      // output folder + "packplan.htm"
  std::string templateFile;  // program folder + planTemplateName(); empty: builtInPlanTemplate(language)
  std::string pictureExt;    // ".PNG"
  std::string cartonPrefix;  // "carton"
  std::string blockPrefix;   // "block"
  std::string palletPrefix;  // "pallet"
  std::string libraryFile;   // program folder + "libboxpic.so"

  // The built pallets of a pallet plan (ProjectResult::pallets), which the loaded container's
  // pallet placements point into. The plan of a project takes them from its result.
  void setPallets(std::vector<LoadedPallet> pallets) { pallets_ = std::move(pallets); }
  // Makes the document the page of one container among several: a heading "集装箱 2 / 共 3 ·
  // 40尺高柜" with the project, the date and a link to the index, and a legend that counts
  // the cartons of this container and of the others apart.
  void setContainerPage(ContainerPage page) { page_ = std::move(page); }
  // Why each leftover stayed behind, one per leftover in their order, for the list of
  // reasons below the legend. The plan of a project takes them from its result.
  void setLeftoverReasons(std::vector<LeftoverReason> reasons) { leftoverReasons_ = std::move(reasons); }

  // Writes the document, then the carton pictures, then the block pictures, stopping at the
  // first failure: kExportDone, or the kExport...Failed of the step that failed.
  // Every file is first written into a private folder inside the output folder and moved
  // into place at the end: what was finished goes in after a failure too, nothing after a
  // cancel. A link at a file's name is replaced, never written through; a read-only file
  // fails its step. (The plans of several containers are replaced whole: fleetexport.h.)
  int run();
  // While *flag is true the export stops at the next file and run gives kExportCancelled,
  // leaving the output folder as it found it. The flag may be raised by a signal handler.
  void setCancelFlag(const std::atomic<bool>* flag) { cancel_ = flag; }
  // The message for the user about the last run's failure ("导出HTML文件失败。" ...);
  // empty after a run that succeeded.
  std::string failureMessage() const;
  // Why the step failed, for a log or a terminal (a file and the system's reason).
  std::string failureReason() const { return failureReason_; }

  // Fills the template and writes the document. An earlier document is replaced only by
  // a complete new one: when anything fails it stays as it was.
  bool writeHtml();
  // The document from the bytes of a template (GBK, ending at a zero byte), as GBK bytes;
  // nothing, with the reason in *error, when the template or a name is not GBK.
  std::optional<std::string> fillTemplate(std::string_view templateBytes, std::string* error) const;
  // Has the library draw "carton<i>.PNG" for every carton type, 200 x 200.
  bool drawCartonPictures();
  // Has the library draw the picture of every step, "block<i>.PNG" for the step of block i
  // ("blockp<k>.PNG" for the step of the container's pallet k), 600 x 640, how each carton
  // type lies, "orient<type>-<orientation>.PNG", 160 x 120, and the layers of each distinct
  // pallet, "pallet<i>.PNG", 600 x 400.
  bool drawBlockPictures();

  // The four texts that replace "[纸箱图例]" (a table of the carton types: entered, loaded
  // and left behind), "[装箱图示]" (the steps), "[装箱合计]" and "[集装箱描述]".
  // It begins with a line per carton type, its picture, "纸箱1:  L=600 W=400 H=300 数量：10",
  // and ends, when the leftovers have their reasons, with why each stayed behind
  // ("未装入的原因：" then "纸箱1 × 98：没有剩余空间" a line).
  std::string cartonLegendHtml() const;
  std::string cartonLegendLines() const;
  // Of a pallet plan, "[装箱图示]" begins with the pallet list (number, type, contents by
  // carton type, height, gross weight) and the picture of each distinct pallet's layers.
  std::string blockPicturesHtml() const;
  std::string palletListHtml() const;
  // Of a project with delivery stops, "[装箱图示]" names each step's stop ("第 4 步 · 天津")
  // and begins with the unloading list: stop by stop in delivery order, what comes out there,
  // the last loaded first.
  std::string unloadingListHtml() const;
  // What each block's step says of it as the loader's lists have always put it: "第1块  所用纸箱：纸箱1<br>放置方向：
  // …<br>顶点坐标：0,0,0<br>码放方式：3×2×4<br>码放数量：20", with a note when the block is not full.
  std::string blockCaption(std::size_t index) const;
  std::string totalsHtml() const;
  std::string containerHtml() const;
  // The heading of a container's page among several; empty for the plan of one container.
  std::string pageHeadingHtml() const;

  // File name of a picture, without a folder: "carton0.PNG", "block3.PNG".
  std::string cartonPictureName(std::size_t index) const;
  std::string blockPictureName(std::size_t index) const;
  // "blockp2.PNG": the step of the container's pallet 2 (from 0).
  std::string palletStepPictureName(std::size_t placement) const;
  // "pallet0.PNG": the layers of the first distinct pallet.
  std::string palletPictureName(std::size_t index) const;
  // "orient2-5.PNG": carton type 2 in orientation 5.
  std::string orientationPictureName(int cartonIndex, int orientation) const;
  // The folder of htmlFile, where the pictures go, with a trailing '/'.
  std::string pictureFolder() const;

 private:
  ProjectInput project_;
  LoadedContainer loaded_;
  std::vector<Leftover> leftovers_;
  std::vector<LeftoverReason> leftoverReasons_;  // one per leftover, or none
  std::vector<LoadedPallet> pallets_;
  ContainerPage page_;
  int failedStep_ = kExportDone;
  std::string failureReason_;
  const std::atomic<bool>* cancel_ = nullptr;

  bool fail(const std::string& reason);
  // The picture and the facts of step k of steps.
  std::string stepHtml(const std::vector<PlanStep>& steps, std::size_t k) const;
  std::string palletStepHtml(const std::vector<PlanStep>& steps, std::size_t k) const;
  // "第 4 步 · 天津（共 10 步）：" / "Step 4 of 10 · 天津: "; without stops no stop.
  std::string stepHeading(const std::vector<PlanStep>& steps, std::size_t k) const;
  // The carton types a step loads with their counts, in order of first appearance.
  std::vector<std::pair<int, std::int64_t>> stepCartons(const PlanStep& step) const;
  // The index of the stop where the step's cartons come out; nothing without stops.
  std::optional<std::size_t> stepStop(const PlanStep& step) const;
  // The container's pallets, numbered in loading order.
  PalletList palletsInLoadingOrder() const;
  // Whether the loaded container holds built pallets.
  bool hasPallets() const { return !loaded_.pallets.empty(); }
  // The plan as a project of this one loaded container and the result's pallets.
  FillScheme planOfContainer() const;
  // The loading steps: one per block, and of a pallet plan one per pallet.
  std::vector<PlanStep> steps() const;
  // Every carton loaded, in container coordinates: the loose ones and those on the pallets.
  LoadedContainer allCartons() const;
  // The weight and balance of everything loaded, the pallets' tares too.
  LoadBalance wholeBalance() const;
  // The layers of each distinct pallet, drawn by the library's DrawPallet.
  bool stagePalletPictures(StagingFolder& staging, DrawPalletFunction drawPallet);
  bool cancelled() const { return cancel_ != nullptr && cancel_->load(); }
  // The three steps, writing into staging.
  bool stageHtml(StagingFolder& staging);
  bool stageCartonPictures(StagingFolder& staging);
  bool stageBlockPictures(StagingFolder& staging);
  // Has draw write the picture called name into staging, and checks that it did.
  bool stagePicture(StagingFolder& staging, const std::string& name, const std::function<void(const char*)>& draw);
  // Runs one step in a staging folder of its own and moves its files in.
  template <typename Step>
  bool staged(Step step);
  // Moves what staging holds into place, or drops it after a cancel; the step's result.
  int finish(StagingFolder& staging, int result);
  // The step whose file is called name.
  int stepOfFile(const std::string& name) const;
};

// The three edges of a carton that lie along y, z and x in a block of this orientation,
// with L = 2, W = 1, H = 0; all three 0 for an unknown orientation.
struct OrientationCodes {
  int alongY = 0, alongZ = 0, alongX = 0;
};
OrientationCodes orientationCodes(int orientation);

// The message of each result of run; empty for kExportDone.
std::string exportFailureMessage(int result);
