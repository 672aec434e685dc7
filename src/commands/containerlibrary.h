#pragma once
// The container library as the options dialog edits it: a working list of rows, each
// holding the texts of its columns, with one row selected. The selected row is the
// container the project takes on OK; the first row is the default of new projects.
// The rows and their check are the container dialog's (commands/containerform.h).

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "commands/containerform.h"
#include "model/container.h"
#include "model/containertype.h"

// The caption of a row's marker column: 94 spaces, then "0" for the first row (the
// default container) and "1" for every other row, so the digit stays out of sight.
std::string rowMarker(std::size_t row);

// The question Delete asks before it removes a row.
std::string deleteRowQuestion(const ContainerRow& row);

class ContainerLibrary {
 public:
  // A row per library container, in order; the first equal to `current` in all five
  // fields is selected. When none is, an extra row for `current` is added and selected.
  // The rows equal to a type of `fleet` are marked as the project's container types; a
  // fleet type not in the library gets a marked row of its own.
  void load(const std::vector<ContainerType>& library, const Container& current,
            const std::vector<ContainerType>& fleet = {});

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

  // Whether a row is one of the project's container types for several containers.
  bool inFleet(std::size_t row) const { return row < inFleet_.size() && inFleet_[row]; }
  void setInFleet(std::size_t row, bool marked);

  // Every row as a container type, top to bottom; nothing when some row cannot be read.
  std::optional<std::vector<ContainerType>> containers() const;
  // The marked rows, top to bottom; nothing when one cannot be read.
  std::optional<std::vector<ContainerType>> fleet() const;

 private:
  std::vector<ContainerRow> rows_;
  std::vector<bool> inFleet_;  // one per row
  std::optional<std::size_t> selected_;
  std::optional<std::size_t> selectedBeforeAdd_;
};
