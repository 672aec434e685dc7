#include "commands/deletecarton.h"

DeleteDecision decideDelete(bool selectedNode, bool cartonNode) {
  if (!selectedNode) return DeleteDecision::NothingSelected;
  if (!cartonNode) return DeleteDecision::ContainerNode;
  return DeleteDecision::DeleteCarton;
}

std::string deleteMessage(DeleteDecision decision) {
  switch (decision) {
    case DeleteDecision::NothingSelected:
      return "您没有选择任何一种纸箱，请选择纸箱后再执行删除操作。";
    case DeleteDecision::ContainerNode:
      return "集装箱可以进行选择调整，但不允许删除，您只能对纸箱执行删除操作。";
    case DeleteDecision::DeleteCarton:
      return "";
  }
  return "";
}

std::string deleteCartonQuestion(const std::string& cartonName) {
  return "确实要删除纸箱“" + cartonName + "”吗？";
}
