#include "cli/planpdf.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <memory>
#include <optional>
#include <vector>

#include "commands/resultparts.h"
#include "export/exportplan.h"
#include "model/language.h"

namespace {

// A4 in points, with its margins.
constexpr double kPageWidth = 595.0;
constexpr double kPageHeight = 842.0;
constexpr double kMargin = 48.0;
constexpr double kTitleSize = 18.0;
constexpr double kTextSize = 10.0;
constexpr double kLineHeight = 14.0;
constexpr double kPictureWidth = 240.0;  // a step's picture on the page
constexpr int kStepsPerPage = 2;
// A font with the Chinese characters, installed with the program's packages.
constexpr const char* kFontFamily = "WenQuanYi Zen Hei";

bool startsWithTag(const std::string& html, std::size_t at, const char* tag) {
  const std::size_t n = std::char_traits<char>::length(tag);
  if (html.size() - at < n) return false;
  for (std::size_t i = 0; i < n; ++i)
    if (std::tolower(static_cast<unsigned char>(html[at + i])) != tag[i]) return false;
  return true;
}

// Draws lines of text down the page, a new page when one is full.
class PdfPages {
 public:
  explicit PdfPages(cairo_t* cr) : cr_(cr) {}

  double y() const { return y_; }
  void newPage() {
    cairo_show_page(cr_);
    y_ = kMargin;
  }
  // Room for height more points, or a new page.
  void makeRoom(double height) {
    if (y_ + height > kPageHeight - kMargin && y_ > kMargin) newPage();
  }
  void line(const std::string& text, double size = kTextSize, double x = kMargin, double width = kPageWidth - 2 * kMargin) {
    cairo_set_font_size(cr_, size);
    for (const std::string& piece : wrapped(text, width)) {
      makeRoom(size * 1.4);
      y_ += size * 1.4;
      cairo_move_to(cr_, x, y_ - size * 0.35);
      cairo_show_text(cr_, piece.c_str());
    }
  }
  void gap(double height) { y_ += height; }
  void setY(double y) { y_ = y; }

 private:
  // The text cut into pieces no wider than width, at character boundaries (UTF-8).
  std::vector<std::string> wrapped(const std::string& text, double width) const {
    std::vector<std::string> pieces;
    std::string piece;
    for (std::size_t i = 0; i < text.size();) {
      std::size_t n = 1;
      const auto c = static_cast<unsigned char>(text[i]);
      if (c >= 0xF0) n = 4; else if (c >= 0xE0) n = 3; else if (c >= 0xC0) n = 2;
      const std::string next = piece + text.substr(i, n);
      cairo_text_extents_t extents;
      cairo_text_extents(cr_, next.c_str(), &extents);
      if (extents.x_advance > width && !piece.empty()) {
        pieces.push_back(piece);
        piece = text.substr(i, n);
      } else {
        piece = next;
      }
      i += n;
    }
    if (!piece.empty() || pieces.empty()) pieces.push_back(piece);
    return pieces;
  }

  cairo_t* cr_;
  double y_ = kMargin;
};

struct CairoDeleter {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
  void operator()(cairo_t* c) const { cairo_destroy(c); }
};

std::string stepHeading(const FillScheme& project, const ShownPart& part, std::size_t k, std::size_t count) {
  std::string heading = inLanguage("第 ", "Step ") + std::to_string(k) + inLanguage(" 步（共 ", " of ") +
                        std::to_string(count) + inLanguage(" 步）", "");
  if (const std::optional<std::size_t> stop = partStop(project, part); stop && *stop < project.stops.size())
    heading += " · " + project.stops[*stop];
  return heading;
}

// A pallet's step: its number, type and height, where it stands, what it holds and weighs,
// then its cartons by type, from the rows of the result list.
std::vector<std::string> palletCaption(const ResultListing& listing, const ShownPart& part) {
  const auto& texts = listing.rows[part.headRow].texts;
  std::vector<std::string> lines = {texts[0] + " · " + texts[1] + " · " + texts[2],
                                    inLanguage("顶点坐标：", "Vertex: ") + texts[3],
                                    inLanguage("占地：", "Footprint: ") + texts[4] + " mm",
                                    inLanguage("纸箱：", "Cartons: ") + texts[5]};
  if (!texts[6].empty()) lines.push_back(inLanguage("毛重：", "Gross weight: ") + texts[6] + " kg");
  for (std::size_t row = part.headRow + 1; row < listing.rows.size() && listing.partAt(row) == &part; ++row)
    lines.push_back(listing.rows[row].texts[1] + " × " + listing.rows[row].texts[5]);
  return lines;
}

// One container's plan from a new page on: the title (and, among several, which container
// it is), the container, the carton lines and the totals, then the loading steps, two to
// a page: the heading, the picture, the caption beside it.
void drawContainerPlan(PdfPages& pages, cairo_t* cr, const FillScheme& project, std::size_t k, const ExportPlan& plan) {
  pages.line(inLanguage("装箱方案", "Loading plan"), kTitleSize);
  for (const std::string& line : htmlTextLines(plan.pageHeadingHtml())) pages.line(line, 12.0);
  pages.gap(6);
  pages.line(inLanguage("集装箱：", "Container: ") + htmlTextLines(plan.containerHtml()).front());
  pages.gap(6);
  for (const std::string& line : htmlTextLines(plan.cartonLegendLines())) pages.line(line);
  pages.gap(6);
  for (const std::string& line : htmlTextLines(plan.totalsHtml())) pages.line(line);

  const ResultListing listing = resultListing(project, k);
  const std::size_t count = listing.stepRows.size();
  for (std::size_t step = 0; step < count; ++step) {
    if (step % kStepsPerPage == 0) pages.newPage();
    const ShownPart& part = *listing.partAt(listing.stepRows[step]);
    pages.line(stepHeading(project, part, step + 1, count), 12.0);
    pages.gap(4);
    const std::string picture =
        plan.pictureFolder() + (part.palletBase ? plan.palletStepPictureName(static_cast<std::size_t>(part.placement))
                                                : plan.blockPictureName(static_cast<std::size_t>(part.blockNumber - 1)));
    const double top = pages.y();
    double pictureHeight = 0;
    const std::unique_ptr<cairo_surface_t, CairoDeleter> image(cairo_image_surface_create_from_png(picture.c_str()));
    if (cairo_surface_status(image.get()) == CAIRO_STATUS_SUCCESS && cairo_image_surface_get_width(image.get()) > 0) {
      const double scale = kPictureWidth / cairo_image_surface_get_width(image.get());
      pictureHeight = cairo_image_surface_get_height(image.get()) * scale;
      cairo_save(cr);
      cairo_translate(cr, kMargin, top);
      cairo_scale(cr, scale, scale);
      cairo_set_source_surface(cr, image.get(), 0, 0);
      cairo_paint(cr);
      cairo_restore(cr);
    }
    const std::vector<std::string> caption =
        part.palletBase ? palletCaption(listing, part)
                        : htmlTextLines(plan.blockCaption(static_cast<std::size_t>(part.blockNumber - 1)));
    const double captionX = kMargin + kPictureWidth + 16;
    for (const std::string& line : caption) pages.line(line, kTextSize, captionX, kPageWidth - kMargin - captionX);
    pages.setY(std::max(pages.y(), top + pictureHeight) + 24);
  }
}

}  // namespace

std::vector<std::string> htmlTextLines(const std::string& html) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < html.size();) {
    if (html[i] == '<') {
      const std::size_t end = html.find('>', i);
      if (end == std::string::npos) break;
      for (const char* breaking : {"<br", "</p", "<p", "</tr", "<hr", "</h", "</div", "</li", "</table"})
        if (startsWithTag(html, i, breaking)) {
          lines.emplace_back();
          break;
        }
      if (startsWithTag(html, i, "</td") || startsWithTag(html, i, "</th")) lines.back() += "  ";
      i = end + 1;
      continue;
    }
    if (html[i] == '&') {
      static const std::pair<const char*, const char*> entities[] = {
          {"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&nbsp;", " "}};
      bool known = false;
      for (const auto& [entity, text] : entities)
        if (html.compare(i, std::char_traits<char>::length(entity), entity) == 0) {
          lines.back() += text;
          i += std::char_traits<char>::length(entity);
          known = true;
          break;
        }
      if (known) continue;
    }
    lines.back() += html[i] == '\n' ? ' ' : html[i];
    ++i;
  }
  std::vector<std::string> kept;
  for (std::string& line : lines) {
    const auto first = line.find_first_not_of(' ');
    if (first == std::string::npos) continue;
    kept.push_back(line.substr(first, line.find_last_not_of(' ') - first + 1));
  }
  return kept;
}

std::string writePlanPdf(const FillScheme& project, const std::vector<std::string>& pictureFolders,
                         const std::vector<ContainerPage>& pages, const std::string& pdfFile) {
  if (project.result.containers.empty()) return inLanguage("没有装箱结果", "there is no plan");
  const std::unique_ptr<cairo_surface_t, CairoDeleter> surface(
      cairo_pdf_surface_create(pdfFile.c_str(), kPageWidth, kPageHeight));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    return pdfFile + ": " + cairo_status_to_string(cairo_surface_status(surface.get()));
  const std::unique_ptr<cairo_t, CairoDeleter> cr(cairo_create(surface.get()));
  cairo_select_font_face(cr.get(), kFontFamily, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_source_rgb(cr.get(), 0, 0, 0);
  PdfPages pdf(cr.get());
  const std::vector<Leftover> leftovers = leftoverCartons(project.input(), project.result);
  const std::size_t containers = std::min(project.result.containers.size(), pictureFolders.size());
  for (std::size_t k = 0; k < containers; ++k) {
    if (k > 0) pdf.newPage();
    ExportPlan plan(project.input(), project.result.containers[k], leftovers, programFolder(), pictureFolders[k]);
    if (project.result.mode == PlanningMode::Pallets) plan.setPallets(project.result.pallets);
    if (k < pages.size()) plan.setContainerPage(pages[k]);
    drawContainerPlan(pdf, cr.get(), project, k, plan);
  }
  cairo_surface_finish(surface.get());
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
    return pdfFile + ": " + cairo_status_to_string(cairo_surface_status(surface.get()));
  return {};
}
