#include "chromium.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// Runs Chromium headless on the document with extra options; its standard output goes to out.
bool runChromium(const std::string& document, const std::string& profile, const std::string& options,
                 const std::string& out) {
  std::filesystem::create_directories(profile);
  const std::string command = "timeout 120 '" + chromiumPath() +
                              "' --headless --no-sandbox --disable-gpu --disable-quic --no-first-run"
                              " --disable-background-networking --disable-component-update --disable-sync"
                              " --user-data-dir='" + profile + "' " + options + " 'file://" + document +
                              "' > '" + out + "' 2>/dev/null";
  return std::system(command.c_str()) == 0;
}

}  // namespace

std::string chromiumPath() {
  for (const char* path : {"/usr/bin/chromium", "/usr/bin/chromium-browser"})
    if (std::filesystem::exists(path)) return path;
  return {};
}

std::string chromiumDom(const std::string& document, const std::string& profile) {
  const std::string out = profile + "/dom.html";
  if (!runChromium(document, profile, "--dump-dom", out)) return {};
  std::ifstream in(out, std::ios::binary);
  std::stringstream dom;
  dom << in.rdbuf();
  return dom.str();
}

bool chromiumScreenshot(const std::string& document, const std::string& profile, const std::string& png,
                        int width, int height) {
  const std::string options = "--window-size=" + std::to_string(width) + "," + std::to_string(height) +
                              " --screenshot='" + png + "'";
  return runChromium(document, profile, options, "/dev/null") && std::filesystem::exists(png);
}

bool chromiumPdf(const std::string& document, const std::string& profile, const std::string& pdf) {
  return runChromium(document, profile, "--no-pdf-header-footer --print-to-pdf='" + pdf + "'", "/dev/null") &&
         std::filesystem::exists(pdf);
}

int pdfPageCount(const std::string& pdf) {
  std::ifstream in(pdf, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  const std::string text = bytes.str();
  // Each page is an object "/Type /Page"; the page tree is "/Type /Pages".
  int pages = 0;
  for (auto at = text.find("/Type /Page"); at != std::string::npos; at = text.find("/Type /Page", at + 1))
    pages += at + 11 >= text.size() || text[at + 11] != 's';
  return pages;
}

int occurrences(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
  return n;
}
