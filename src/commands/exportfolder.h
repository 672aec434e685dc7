#pragma once
// Where the plan is exported and what the user is told about it.

#include <string>

// Makes the export folder when it is missing. Empty when the folder is there; otherwise
// the message naming the folder and the system's reason.
std::string prepareExportFolder(const std::string& folder);
// A failed export: its message ("导出HTML文件失败。" ...) with what failed and why.
std::string exportFailedText(const std::string& message, const std::string& reason);
// The plan was written but no program could show it: where it is.
std::string planNotOpenedMessage(const std::string& document);
// The message when there is no result to export: "没有运算结果可供导出，请先进行运算。"
std::string nothingToExportMessage();
// The message when the exported document could not be opened automatically.
std::string openDocumentFailedMessage();
