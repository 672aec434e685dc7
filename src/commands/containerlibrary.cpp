#include "commands/containerlibrary.h"

#include <algorithm>

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

void ContainerLibrary::load(const std::vector<ContainerType>& library, const Container& current,
                            const std::vector<ContainerType>& fleet) {
  rows_.clear();
  inFleet_.clear();
  selected_.reset();
  selectedBeforeAdd_.reset();
  for (const ContainerType& type : library) {
    if (!selected_ && type.container == current) selected_ = rows_.size();
    rows_.push_back(rowOf(type));
    inFleet_.push_back(std::find(fleet.begin(), fleet.end(), type) != fleet.end());
  }
  for (const ContainerType& type : fleet) {
    if (std::find(library.begin(), library.end(), type) != library.end()) continue;
    if (!selected_ && type.container == current) selected_ = rows_.size();
    rows_.push_back(rowOf(type));
    inFleet_.push_back(true);
  }
  if (!selected_) {
    selected_ = rows_.size();
    rows_.push_back(rowOf(current));
    inFleet_.push_back(false);
  }
}

void ContainerLibrary::setInFleet(std::size_t row, bool marked) {
  if (row < inFleet_.size()) inFleet_[row] = marked;
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
  inFleet_.push_back(false);
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
  const bool marked = inFleet_[*selected_];
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(*selected_));
  inFleet_.erase(inFleet_.begin() + static_cast<std::ptrdiff_t>(*selected_));
  rows_.insert(rows_.begin(), std::move(row));
  inFleet_.insert(inFleet_.begin(), marked);
  selected_ = 0;
  selectedBeforeAdd_.reset();
  return true;
}

bool ContainerLibrary::removeSelected() {
  if (!selected_) return false;
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(*selected_));
  inFleet_.erase(inFleet_.begin() + static_cast<std::ptrdiff_t>(*selected_));
  selected_.reset();
  selectedBeforeAdd_.reset();
  return true;
}

std::optional<std::vector<ContainerType>> ContainerLibrary::containers() const {
  std::vector<ContainerType> list;
  for (const ContainerRow& row : rows_) {
    std::optional<ContainerType> type = containerTypeOf(row);
    if (!type) return std::nullopt;
    list.push_back(std::move(*type));
  }
  return list;
}

std::optional<std::vector<ContainerType>> ContainerLibrary::fleet() const {
  std::vector<ContainerType> list;
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (!inFleet_[i]) continue;
    std::optional<ContainerType> type = containerTypeOf(rows_[i]);
    if (!type) return std::nullopt;
    list.push_back(std::move(*type));
  }
  return list;
}
