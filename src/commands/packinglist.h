#pragma once
// Packing lists: the carton list as a CSV file a spreadsheet reads and writes. A header
// row names the columns in any order, in English or Chinese:
//   name/名称, length/长, width/宽, height/高, weight/重量, count/数量 (required),
//   upright/直立, lying layers/侧放层数, position/位置, colour/颜色, stackable/可堆叠,
//   maxLoadOnTop/顶部承重, fragile/易碎, stop/目的地, pallet/托盘 (optional).
// Lengths in mm, weight and load on top in kg. Upright, stackable and fragile are 1/0,
// yes/no or 是/否 (empty: not upright, stackable, not fragile); an empty load on top has no
// limit; position inner/free/door or 里端/普通/门口; colour a colour number 0-9, a
// colour's name or its #RRGGBB; stop a delivery stop's name (empty: the last stop); pallet
// a pallet type's name (empty: loose). Other columns are left aside. Each row is checked as
// the carton dialog checks an entry; a file with a bad row gives no cartons at all.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/carton.h"
#include "model/projectresult.h"
#include "model/pallettype.h"

// Larger files are not packing lists (some hundred thousand rows).
inline constexpr std::size_t kMaxPackingListSize = std::size_t{16} << 20;

struct PackingList {
  std::vector<Carton> cartons;
  std::string message;  // why nothing was read (with the line and column of a bad row); empty when read
  std::vector<std::string> stops{};  // the stops the cartons name, in order of first appearance
  bool ok() const { return message.empty(); }
};

// Reads the text of a packing list: UTF-8 with or without a byte order mark, or else GBK;
// comma or semicolon separated (after the header); LF or CRLF. A carton without a colour
// gets the one a carton added at that place of the list would get: the list already holds
// `cartonsBefore` cartons. A pallet names a preset or one of palletTypes (the project's own).
PackingList readPackingList(std::string_view bytes, std::size_t cartonsBefore = 0,
                            const std::vector<PalletType>& palletTypes = {});
// The project's stops followed by those of a packing list it does not list yet, in their
// order: a project that lists its stops keeps their delivery order.
std::vector<std::string> mergedStops(const std::vector<std::string>& project, const std::vector<std::string>& list);
// Reads the packing list file at path: a regular file of at most kMaxPackingListSize bytes.
PackingList readPackingListFile(const std::string& path, std::size_t cartonsBefore = 0,
                                const std::vector<PalletType>& palletTypes = {});

// The cartons as a packing list: UTF-8 with a byte order mark (so spreadsheets know it),
// comma separated, CRLF line ends, every column (the pallet column only when a carton goes
// onto a pallet), the header and words in the program's language, colours as their
// numbers. readPackingList gives the same cartons back. With the several-containers result
// of these cartons, a last column says which container each type goes into and how many:
// "1:40; 2:20" (a column the reading leaves aside).
std::string packingListText(const std::vector<Carton>& cartons, const ProjectResult* result = nullptr);
// Writes the packing list to path safely (see writeFileSafely). False, with the message to
// show in *error, when it cannot be written; an earlier file then stays as it was.
bool writePackingListFile(const std::string& path, const std::vector<Carton>& cartons, std::string* error,
                          const ProjectResult* result = nullptr);
