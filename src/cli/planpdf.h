#pragma once
// The loading plan as a PDF, for printing or sending on. Each container from a new page: the
// title (among several containers, which one it is, of the project and date), the
// container, a line per carton type and the totals, then the loading steps, two to a page,
// each with its heading (its stop, when the project lists stops), its picture and its
// caption. The pictures are those the plan's export wrote.

#include <string>

#include <vector>

#include "export/exportplan.h"
#include "model/fillscheme.h"

// Writes the PDF of project's loaded containers to pdfFile, container k with the pictures
// its export wrote into pictureFolders[k] (ending in '/') and, among several, the heading
// and legend of pages[k] (none for a plan of one container). Empty when written, else the
// reason.
std::string writePlanPdf(const FillScheme& project, const std::vector<std::string>& pictureFolders,
                         const std::vector<ContainerPage>& pages, const std::string& pdfFile);

// The text of an HTML piece of the plan, line by line: <br>, paragraphs, rows and rules end
// a line, other tags go, the common entities are read back, blank lines are dropped.
std::vector<std::string> htmlTextLines(const std::string& html);
