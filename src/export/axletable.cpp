#include "export/axletable.h"

#include <cmath>

#include "commands/loadbalance.h"
#include "commands/statistics.h"
#include "model/language.h"
#include "model/vehicle.h"

std::string axleTableHtml(const AxleLoads& loads, const ProjectInput& project,
                          const std::function<std::string(const std::string&)>& escapeHtml) {
  if (loads.states.empty()) return {};
  std::string html = inLanguage("<br>轴荷（千克）：", "<br>Axle loads (kg):") +
                     "<table border=1 cellspacing=0 cellpadding=3><tr><th></th>";
  for (std::size_t axle = 0; axle < loads.maxLoads.size(); ++axle)
    html += "<th>" + escapeHtml(axleName(loads.kind, axle)) + inLanguage("（最大 ", " (at most ") +
            std::to_string(std::llround(loads.maxLoads[axle])) + inLanguage("）", ")") + "</th>";
  html += "</tr>";
  for (const AxleState& state : loads.states) {
    html += "<tr><td>" + escapeHtml(axleStateText(state, project)) + "</td>";
    for (std::size_t axle = 0; axle < state.loads.size() && axle < loads.maxLoads.size(); ++axle) {
      const bool over = state.loads[axle] > loads.maxLoads[axle] + 1e-9 * std::max(1.0, loads.maxLoads[axle]);
      html += over ? "<td style='color:red'>" : "<td>";
      html += formatTwoDecimals(state.loads[axle]) + "</td>";
    }
    html += "</tr>";
  }
  return html + "</table>";
}
