#include "engine/fleet/setcover.h"

#include <coin/Cbc_C_Interface.h>
#include <coin/Clp_C_Interface.h>

#include <cmath>
#include <memory>
#include <string>

namespace fleet {
namespace {

constexpr double kInfinity = 1e30;

// The problem as a column-wise matrix: one column per pattern, rows for the carton types
// and then for the container types that are limited.
struct Matrix {
  std::vector<int> start, index;
  std::vector<double> value, colLower, colUpper, objective, rowLower, rowUpper;
  int rows = 0, cols = 0;
};

Matrix matrixOf(const CoverProblem& p) {
  const std::vector<Pattern>& patterns = *p.patterns;
  Matrix m;
  m.cols = static_cast<int>(patterns.size());
  const int typeRows = static_cast<int>(p.demand.size());
  std::vector<int> limitRow(p.available.size(), -1);
  m.rows = typeRows;
  for (std::size_t t = 0; t < p.available.size(); ++t)
    if (p.available[t] >= 0) limitRow[t] = m.rows++;
  for (int i = 0; i < typeRows; ++i) {
    m.rowLower.push_back(p.cheapest ? p.demand[static_cast<std::size_t>(i)] : -kInfinity);
    m.rowUpper.push_back(p.cheapest ? kInfinity : p.demand[static_cast<std::size_t>(i)]);
  }
  for (std::size_t t = 0; t < p.available.size(); ++t)
    if (limitRow[t] >= 0) {
      m.rowLower.push_back(-kInfinity);
      m.rowUpper.push_back(p.available[t]);
    }
  for (std::size_t k = 0; k < patterns.size(); ++k) {
    m.start.push_back(static_cast<int>(m.index.size()));
    for (int i = 0; i < typeRows; ++i) {
      const std::int32_t n = patterns[k].counts[static_cast<std::size_t>(i)];
      if (n == 0) continue;
      m.index.push_back(i);
      m.value.push_back(n);
    }
    const int limit = limitRow[static_cast<std::size_t>(patterns[k].type)];
    if (limit >= 0) {
      m.index.push_back(limit);
      m.value.push_back(1);
    }
    m.colLower.push_back(0);
    m.colUpper.push_back(kInfinity);
    // CBC and CLP minimise: the FixedFleet volume is maximised as its negative.
    m.objective.push_back(p.cheapest ? p.patternValue[k] : -p.patternValue[k]);
  }
  m.start.push_back(static_cast<int>(m.index.size()));
  return m;
}

}  // namespace

std::optional<std::vector<std::int32_t>> chooseWhole(const CoverProblem& problem, std::int32_t nodeLimit,
                                                     double maxSeconds) {
  if (problem.patterns == nullptr || problem.patterns->empty()) return std::nullopt;
  const Matrix m = matrixOf(problem);
  std::unique_ptr<Cbc_Model, void (*)(Cbc_Model*)> model(Cbc_newModel(), Cbc_deleteModel);
  Cbc_setLogLevel(model.get(), 0);
  Cbc_loadProblem(model.get(), m.cols, m.rows, m.start.data(), m.index.data(), m.value.data(), m.colLower.data(),
                  m.colUpper.data(), m.objective.data(), m.rowLower.data(), m.rowUpper.data());
  for (int c = 0; c < m.cols; ++c) Cbc_setInteger(model.get(), c);
  // A node limit: the same problem gives the same choice on every machine, unless the
  // caller's time runs out first.
  Cbc_setParameter(model.get(), "maxNodes", std::to_string(nodeLimit).c_str());
  Cbc_setParameter(model.get(), "threads", "1");
  if (maxSeconds > 0) Cbc_setMaximumSeconds(model.get(), maxSeconds);
  Cbc_solve(model.get());
  if (Cbc_isProvenInfeasible(model.get())) return std::nullopt;
  const double* x = Cbc_getColSolution(model.get());
  if (x == nullptr) return std::nullopt;
  std::vector<std::int32_t> choice(static_cast<std::size_t>(m.cols));
  for (int c = 0; c < m.cols; ++c) choice[static_cast<std::size_t>(c)] = static_cast<std::int32_t>(std::llround(x[c]));
  // What the solver returned must be a choice of the problem: the caller relies on it.
  for (std::size_t i = 0; i < problem.demand.size(); ++i) {
    std::int64_t covered = 0;
    for (std::size_t k = 0; k < choice.size(); ++k) covered += std::int64_t{choice[k]} * (*problem.patterns)[k].counts[i];
    if (problem.cheapest ? covered < problem.demand[i] : covered > problem.demand[i]) return std::nullopt;
  }
  for (std::size_t t = 0; t < problem.available.size(); ++t) {
    if (problem.available[t] < 0) continue;
    std::int64_t used = 0;
    for (std::size_t k = 0; k < choice.size(); ++k)
      if (static_cast<std::size_t>((*problem.patterns)[k].type) == t) used += choice[k];
    if (used > problem.available[t]) return std::nullopt;
  }
  return choice;
}

std::optional<std::vector<double>> coverPrices(const CoverProblem& problem) {
  if (problem.patterns == nullptr || problem.patterns->empty()) return std::nullopt;
  const Matrix m = matrixOf(problem);
  std::unique_ptr<Clp_Simplex, void (*)(Clp_Simplex*)> model(Clp_newModel(), Clp_deleteModel);
  Clp_setLogLevel(model.get(), 0);
  Clp_loadProblem(model.get(), m.cols, m.rows, m.start.data(), m.index.data(), m.value.data(), m.colLower.data(),
                  m.colUpper.data(), m.objective.data(), m.rowLower.data(), m.rowUpper.data());
  Clp_initialSolve(model.get());
  if (Clp_status(model.get()) != 0) return std::nullopt;
  const double* duals = Clp_dualRowSolution(model.get());
  if (duals == nullptr) return std::nullopt;
  return std::vector<double>(duals, duals + problem.demand.size());
}

}  // namespace fleet
