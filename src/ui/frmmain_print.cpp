// File > 打印: the plan as the export writes it, on a printer (or into a PDF file) chosen in
// Qt's print dialog. The plan is exported into a folder of its own that goes away after
// printing; its document, the pictures with it, is laid out on the pages by QTextDocument.
// A plan of several containers prints the page of each container in turn.

#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QFileInfo>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>

#include "commands/confirmations.h"
#include "commands/exportfolder.h"
#include "export/exportplan.h"
#include "export/fleetexport.h"
#include "export/installpaths.h"
#include "model/gbk.h"
#include "ui/frmmain.h"
#include "ui/qtext.h"

namespace {

// The document's text: UTF-8 as the templates that come with the program write it, else
// GBK as a GBK template of the user's own does.
QString documentText(const QString& file) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = in.readAll();
  QStringDecoder utf8(QStringDecoder::Utf8);
  const QString text = utf8.decode(bytes);
  if (!utf8.hasError()) return text;
  if (const auto converted = gbkToUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
    return QString::fromStdString(*converted);
  return text;
}

// What lies between the document's <body> and </body>, its pictures named from folder.
QString bodyOf(const QString& html, const QString& folder) {
  static const QRegularExpression body("<body[^>]*>(.*)</body>",
                                       QRegularExpression::DotMatchesEverythingOption |
                                           QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = body.match(html);
  QString inner = match.hasMatch() ? match.captured(1) : html;
  if (!folder.isEmpty()) inner.replace(QRegularExpression("src=(['\"])"), "src=\\1" + folder + "/");
  return inner;
}

}  // namespace

void TMainForm::mnuPrintClick() {
  if (project_->result.empty()) {
    messages_->information(qs(nothingToExportMessage()));
    return;
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(windowTitle());
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle(tr("打印装箱方案"));
  if (dialog.exec() != QDialog::Accepted) return;
  if (const QString problem = printPlan(printer); !problem.isEmpty()) messages_->information(problem);
}

QString TMainForm::printPlan(QPrinter& printer) {
  if (project_->result.empty()) return qs(nothingToExportMessage());
  QTemporaryDir folder;
  if (!folder.isValid()) return tr("无法建立打印所需的临时文件夹：%1").arg(folder.errorString());
  const std::string path = std8(folder.path()) + "/";
  QString html;
  if (project_->result.mode == PlanningMode::Fleet || project_->result.containers.size() > 1) {
    const FleetExportResult done =
        exportFleetPlans(*project_, programFolder(), path, planTemplatePath(), drawingLibraryPath(), nullptr,
                         ShipmentFacts{std8(QFileInfo(qs(document_.filePath())).completeBaseName()), {}});
    if (done.result != kExportDone) return qs(exportFailedText(done.failureMessage, done.failureReason));
    // The index, then each container's page on a page of its own.
    const QString index = documentText(qs(done.indexFile));
    html = "<html><body>" + bodyOf(index, {});
    const QStringList pages = QDir(folder.path()).entryList({"container*"}, QDir::Dirs, QDir::Name);
    QStringList ordered = pages;
    std::sort(ordered.begin(), ordered.end(), [](const QString& a, const QString& b) {
      return QStringView(a).mid(9).toInt() < QStringView(b).mid(9).toInt();
    });
    for (const QString& page : ordered)
      html += "<p style='page-break-before: always'></p>" +
              bodyOf(documentText(folder.filePath(page + "/packplan.htm")), page);
    html += "</body></html>";
  } else {
    ExportPlan plan(*project_, programFolder(), path);
    plan.templateFile = planTemplatePath();
    plan.libraryFile = drawingLibraryPath();
    if (plan.run() != kExportDone) return qs(exportFailedText(plan.failureMessage(), plan.failureReason()));
    html = documentText(qs(plan.htmlFile));
  }
  QTextDocument document;
  // The pictures, by the names the document gives them (of several containers, with their
  // container's folder in front).
  QDirIterator pictures(folder.path(), {"*.PNG", "*.png"}, QDir::Files, QDirIterator::Subdirectories);
  const QDir top(folder.path());
  while (pictures.hasNext()) {
    const QString file = pictures.next();
    document.addResource(QTextDocument::ImageResource, QUrl(top.relativeFilePath(file)), QImage(file));
  }
  document.setHtml(html);
  document.print(&printer);
  return {};
}
