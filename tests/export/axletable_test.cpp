// The exported plan's table of axle loads.

#include "export/axletable.h"

#include <gtest/gtest.h>

#include "model/projectinput.h"

namespace {

std::string plain(const std::string& text) { return text; }

TEST(AxleTable, aRowPerMomentAColumnPerAxleAndTheOverloadInRed) {
  ProjectInput project;
  project.stops = {"上海", "<苏州>"};
  AxleLoads loads;
  loads.kind = VehicleKind::RigidTruck;
  loads.maxLoads = {7100, 11500};
  loads.states = {AxleState{std::nullopt, {6000, 11600.5}}, AxleState{0, {7000.25, 9000}}};
  const std::string html = axleTableHtml(loads, project, plain);
  EXPECT_NE(html.find("<th>前轴（最大 7100）</th><th>后轴（最大 11500）</th>"), std::string::npos) << html;
  EXPECT_NE(html.find("<tr><td>出发时</td><td>6000.00</td><td style='color:red'>11600.50</td></tr>"),
            std::string::npos)
      << html;
  EXPECT_NE(html.find("<tr><td>卸下“上海”的货物后</td><td>7000.25</td><td>9000.00</td></tr>"), std::string::npos)
      << html;
  // The stops' names pass through the escape.
  loads.states[1].afterStop = 1;
  const std::string escaped = axleTableHtml(loads, project, [](const std::string& t) {
    std::string out;
    for (char c : t) out += c == '<' ? std::string("&lt;") : c == '>' ? std::string("&gt;") : std::string(1, c);
    return out;
  });
  EXPECT_NE(escaped.find("&lt;苏州&gt;"), std::string::npos) << escaped;
  EXPECT_EQ(axleTableHtml(AxleLoads{}, project, plain), "");
}

}  // namespace
