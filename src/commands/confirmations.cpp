#include "commands/confirmations.h"

#include "model/language.h"

std::string planExportedMessage(const std::string& document) {
  return inLanguage("装箱方案已导出到 ", "The loading plan was exported to ") + document + inLanguage("。", ".");
}

std::string planExportedStatus(const std::string& document) {
  return inLanguage("已导出装箱方案：", "Loading plan exported: ") + document;
}

std::string folderNotOpenedMessage(const std::string& folder) {
  return inLanguage("无法自动打开文件夹，请自行打开：", "The folder could not be opened automatically; it is ") +
         folder;
}

std::string packingListImportedMessage(std::size_t types, std::int64_t cartons) {
  if (currentLanguage() == Language::English)
    return "Imported " + std::to_string(types) + (types == 1 ? " carton type, " : " carton types, ") +
           std::to_string(cartons) + (cartons == 1 ? " carton." : " cartons in all.");
  return "导入 " + std::to_string(types) + " 种纸箱，共 " + std::to_string(cartons) + " 箱。";
}

std::string packingListExportedMessage(std::size_t types, std::int64_t cartons, const std::string& file) {
  if (currentLanguage() == Language::English)
    return "Exported " + std::to_string(types) + (types == 1 ? " carton type, " : " carton types, ") +
           std::to_string(cartons) + (cartons == 1 ? " carton" : " cartons in all") + ", to " + file;
  return "已导出 " + std::to_string(types) + " 种纸箱，共 " + std::to_string(cartons) + " 箱：" + file;
}
