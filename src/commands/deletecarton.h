#pragma once
// The Delete command of the carton tree: what it does with the selected node.

#include <string>

enum class DeleteDecision {
  NothingSelected,  // no node is selected
  ContainerNode,    // the container cannot be deleted
  DeleteCarton,     // remove the selected carton type
};

// selectedNode: whether a node is selected; cartonNode: whether it is a carton's.
DeleteDecision decideDelete(bool selectedNode, bool cartonNode);
// The message for a decision that stops the command; empty for DeleteCarton.
std::string deleteMessage(DeleteDecision decision);
// Asked before a carton type is removed, naming it.
std::string deleteCartonQuestion(const std::string& cartonName);
