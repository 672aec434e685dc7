#pragma once
// What the window says after a command that wrote or read files did its work, so that the
// user knows what happened and where.

#include <cstddef>
#include <cstdint>
#include <string>

// After the plan was exported and shown: "装箱方案已导出到 /home/me/Cargolyx/packplan.htm。"
std::string planExportedMessage(const std::string& document);
// The status bar after an export: "已导出装箱方案：/home/me/Cargolyx/packplan.htm"
std::string planExportedStatus(const std::string& document);
// When the desktop cannot open the export folder: which folder.
std::string folderNotOpenedMessage(const std::string& folder);
// After a packing list was imported: "导入 3 种纸箱，共 410 箱。"
std::string packingListImportedMessage(std::size_t types, std::int64_t cartons);
// After the carton list was written as a packing list: "已导出 3 种纸箱，共 410 箱：/home/me/list.csv"
std::string packingListExportedMessage(std::size_t types, std::int64_t cartons, const std::string& file);
