#pragma once
// Showing a document to the user: the web browser, or the desktop's opener.

#include <string>

// Full path of the system's web browser: x-www-browser, sensible-browser, or else the first
// common browser found on PATH. Empty when there is none.
std::string browserPath();
// Full path of the desktop's opener for documents and web addresses (xdg-open), or empty.
std::string fileAssociationOpener();
// Shows a document (a file path or a web address): in the web browser, or failing that with
// the program the desktop associates with it. True when a program was started with it.
bool openDocument(const std::string& document);
// The same with the two programs given; an empty or unstartable program is passed over.
// Each is started on its own, detached, with the document as its one argument.
bool openDocumentWith(const std::string& browser, const std::string& opener,
                      const std::string& document);
