#pragma once
// The container library as the options dialog edits it: a working list of rows, each
// holding the texts of its columns, with one row selected. The selected row is the
// container the project takes on OK; the first row is the default of new projects.
// The container dialog's check of a row lives here too.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "model/container.h"

// One row of the list: the texts of its columns, as the container dialog wrote them.
struct ContainerRow {
  std::string name;
  std::string length;
  std::string width;
  std::string height;
  std::string maxWeight;

  bool operator==(const ContainerRow&) const = default;
};

// The row of a container, its numbers in decimal.
ContainerRow rowOf(const Container& container);
// The container a row describes; nothing when a number column is not a whole number
// from 0 to 2147483647.
std::optional<Container> containerOf(const ContainerRow& row);

// The container dialog's check on OK: the message to show, empty when the row is
// accepted. The maximum load is a whole number of kilograms, like the sizes.
std::string checkContainerRow(const ContainerRow& row);

// The caption of a row's marker column: 94 spaces, then "0" for the first row (the
// default container) and "1" for every other row, so the digit stays out of sight.
std::string rowMarker(std::size_t row);

// The question Delete asks before it removes a row.
std::string deleteRowQuestion(const ContainerRow& row);

class ContainerLibrary {
 public:
  // A row per library container, in order; the first equal to `current` in all five
  // fields is selected. When none is, an extra row for `current` is added and selected.
  void load(const std::vector<Container>& library, const Container& current);

  const std::vector<ContainerRow>& rows() const { return rows_; }
  std::optional<std::size_t> selected() const { return selected_; }
  // Selects a row, or none; an index past the end selects none.
  void select(std::optional<std::size_t> row);
  // The selected row; nullptr when none is selected.
  const ContainerRow* selectedRow() const;
  // Overwrites the selected row; false when none is selected.
  bool setSelectedRow(const ContainerRow& row);

  // Add: appends an empty row and selects it.
  void addRow();
  // Cancel after Add: removes the selected row and selects again the row that was
  // selected before Add. False when no row is selected.
  bool discardNewRow();
  // Set default: moves the selected row to the top, where it stays selected.
  bool moveSelectedToTop();
  // Delete: removes the selected row; afterwards no row is selected.
  bool removeSelected();

  // Every row as a container, top to bottom; nothing when some row cannot be read.
  std::optional<std::vector<Container>> containers() const;

 private:
  std::vector<ContainerRow> rows_;
  std::optional<std::size_t> selected_;
  std::optional<std::size_t> selectedBeforeAdd_;
};
