#pragma once
// Headless Chromium, to open an exported plan as a browser shows it.

#include <string>

// The Chromium program, or empty when it is not installed (scripts/bootstrap installs it).
std::string chromiumPath();

// The document's DOM after loading, as Chromium serialises it (UTF-8); empty on failure.
// profile is a fresh folder for Chromium's user data.
std::string chromiumDom(const std::string& document, const std::string& profile);
// Takes a screenshot of the document in a window of the given size; true when written.
bool chromiumScreenshot(const std::string& document, const std::string& profile, const std::string& png,
                        int width, int height);

// Prints the document to a PDF file as the browser prints it (A4 by its style); true when written.
bool chromiumPdf(const std::string& document, const std::string& profile, const std::string& pdf);
// The pages of a PDF file Chromium wrote.
int pdfPageCount(const std::string& pdf);

// How often what occurs in text.
int occurrences(const std::string& text, const std::string& what);
