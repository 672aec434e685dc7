#include "commands/containerlibrary.h"

#include "model/language.h"

namespace {

// Spaces before the marker digit, wider than the marker column.
constexpr std::size_t kMarkerIndent = 94;

}  // namespace

std::string rowMarker(std::size_t row) {
  return std::string(kMarkerIndent, ' ') + (row == 0 ? "0" : "1");
}

std::string deleteRowQuestion(const ContainerRow& row) {
  return inLanguage("确实要从集装箱列表中删除“", "Delete \"") + row.name +
         inLanguage("”吗？", "\" from the container list?");
}

void ContainerLibrary::load(const std::vector<Container>& library, const Container& current) {
  rows_.clear();
  selected_.reset();
  selectedBeforeAdd_.reset();
  for (const Container& c : library) {
    if (!selected_ && c == current) selected_ = rows_.size();
    rows_.push_back(rowOf(c));
  }
  if (!selected_) {
    selected_ = rows_.size();
    rows_.push_back(rowOf(current));
  }
}

void ContainerLibrary::select(std::optional<std::size_t> row) {
  selected_ = row && *row < rows_.size() ? row : std::nullopt;
}

const ContainerRow* ContainerLibrary::selectedRow() const {
  return selected_ ? &rows_[*selected_] : nullptr;
}

bool ContainerLibrary::setSelectedRow(const ContainerRow& row) {
  if (!selected_) return false;
  rows_[*selected_] = row;
  selectedBeforeAdd_.reset();
  return true;
}

void ContainerLibrary::addRow() {
  selectedBeforeAdd_ = selected_;
  rows_.emplace_back();
  selected_ = rows_.size() - 1;
}

bool ContainerLibrary::discardNewRow() {
  const std::optional<std::size_t> before = selectedBeforeAdd_;
  if (!removeSelected()) return false;
  select(before);
  return true;
}

bool ContainerLibrary::moveSelectedToTop() {
  if (!selected_) return false;
  ContainerRow row = std::move(rows_[*selected_]);
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(*selected_));
  rows_.insert(rows_.begin(), std::move(row));
  selected_ = 0;
  selectedBeforeAdd_.reset();
  return true;
}

bool ContainerLibrary::removeSelected() {
  if (!selected_) return false;
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(*selected_));
  selected_.reset();
  selectedBeforeAdd_.reset();
  return true;
}

std::optional<std::vector<Container>> ContainerLibrary::containers() const {
  std::vector<Container> list;
  for (const ContainerRow& row : rows_) {
    std::optional<Container> c = containerOf(row);
    if (!c) return std::nullopt;
    list.push_back(std::move(*c));
  }
  return list;
}
