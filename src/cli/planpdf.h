#pragma once
// The loading plan of one container as a PDF, for printing or sending on: a first page with
// the title, the container, a line per carton type and the totals, then the loading steps,
// two to a page, each with its heading (its stop, when the project lists stops), its
// picture and its caption. The pictures are those the plan's export wrote into its folder.

#include <string>

#include "model/fillscheme.h"

// Writes the PDF of project's first loaded container to pdfFile, with the pictures of the
// export in exportFolder (ending in '/'). Empty when written, else the reason.
std::string writePlanPdf(const FillScheme& project, const std::string& exportFolder, const std::string& pdfFile);

// The text of an HTML piece of the plan, line by line: <br>, paragraphs, rows and rules end
// a line, other tags go, the common entities are read back, blank lines are dropped.
std::vector<std::string> htmlTextLines(const std::string& html);
