#include "commands/deletecarton.h"

#include "model/language.h"

DeleteDecision decideDelete(bool selectedNode, bool cartonNode) {
  if (!selectedNode) return DeleteDecision::NothingSelected;
  if (!cartonNode) return DeleteDecision::ContainerNode;
  return DeleteDecision::DeleteCarton;
}

std::string deleteMessage(DeleteDecision decision) {
  switch (decision) {
    case DeleteDecision::NothingSelected:
      return inLanguage("您没有选择任何一种纸箱，请选择纸箱后再执行删除操作。",
                        "No carton is selected; please select a carton, then delete it.");
    case DeleteDecision::ContainerNode:
      return inLanguage("集装箱可以进行选择调整，但不允许删除，您只能对纸箱执行删除操作。",
                        "The container can be changed but not deleted; only cartons can be deleted.");
    case DeleteDecision::DeleteCarton:
      return "";
  }
  return "";
}

std::string deleteCartonQuestion(const std::string& cartonName) {
  return inLanguage("确实要删除纸箱“", "Delete the carton \"") + cartonName + inLanguage("”吗？", "\"?");
}
