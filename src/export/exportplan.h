#pragma once
// The loading plan as an HTML document: the template "template.htm" filled with the carton
// legend, one picture and description per block, the container and the totals, written
// as "packplan.htm" next to the pictures that the drawing library libboxpic.so draws.
//
// The template and the document are GBK. The texts are built in UTF-8; the template is
// converted to UTF-8 before the placeholders are replaced and the document back to GBK
// as a whole, so a placeholder is never found across the bytes of a Chinese character.

#include <string>

#include "platform/programfolder.h"

struct FillScheme;

// Results of ExportPlan::run.
inline constexpr int kExportDone = 0;
inline constexpr int kExportDocumentFailed = 1;
inline constexpr int kExportCartonPicturesFailed = 2;
inline constexpr int kExportBlockPicturesFailed = 3;

class ExportPlan {
 public:
  // The template and libboxpic.so come from programFolder; the document and the pictures
  // are written into outputFolder (the program folder when empty). Folders end in '/'.
  explicit ExportPlan(const FillScheme& project, const std::string& programFolder = ::programFolder(),
                      const std::string& outputFolder = "");

  std::string htmlFile;      // output folder + "packplan.htm"
  std::string templateFile;  // program folder + "template.htm"
  std::string pictureExt;    // ".PNG"
  std::string cartonPrefix;  // "carton"
  std::string blockPrefix;   // "block"
  std::string libraryFile;   // program folder + "libboxpic.so"

  // Writes the document, then the carton pictures, then the block pictures, stopping at the
  // first failure: kExportDone, or the kExport...Failed of the step that failed.
  int run();
  // The message for the user about the last run's failure ("导出HTML文件失败。" ...);
  // empty after a run that succeeded.
  std::string failureMessage() const;
  // Why the step failed, for a log or a terminal (a file and the system's reason).
  std::string failureReason() const { return failureReason_; }

  // Fills the template and writes the document. An earlier document is replaced only by
  // a complete new one: when anything fails it stays as it was.
  bool writeHtml();
  // Has the library draw "carton<i>.PNG" for every carton type, 200 x 200.
  bool drawCartonPictures();
  // Has the library draw "block<i>.PNG" for every block, 600 x 350.
  bool drawBlockPictures();

  // The four texts that replace "[纸箱图例]", "[装箱图示]", "[装箱合计]" and "[集装箱描述]".
  std::string cartonLegendHtml() const;
  std::string blockPicturesHtml() const;
  std::string totalsHtml() const;
  std::string containerHtml() const;

  // File name of a picture, without a folder: "carton0.PNG", "block3.PNG".
  std::string cartonPictureName(std::size_t index) const;
  std::string blockPictureName(std::size_t index) const;
  // The folder of htmlFile, where the pictures go, with a trailing '/'.
  std::string pictureFolder() const;

 private:
  const FillScheme& project_;
  int failedStep_ = kExportDone;
  std::string failureReason_;

  bool fail(const std::string& reason);
};

// The three edges of a carton that lie along y, z and x in a block of this orientation,
// with L = 2, W = 1, H = 0; all three 0 for an unknown orientation.
struct OrientationCodes {
  int alongY = 0, alongZ = 0, alongX = 0;
};
OrientationCodes orientationCodes(int orientation);

// The message when there is no result to export: "没有运算结果可供导出，请先进行运算。"
std::string nothingToExportMessage();
// The message when the exported document could not be opened automatically.
std::string openDocumentFailedMessage();
// The message of each result of run; empty for kExportDone.
std::string exportFailureMessage(int result);
