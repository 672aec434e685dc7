#include "exampleprojects.h"

namespace {

Carton carton(const std::string& name, int l, int w, int h, double weight, int count,
              int material, bool mustUp = false, int upendLayers = 0, int spaceIndex = kSpaceNone) {
  Carton c;
  c.name = name;
  c.length = l;
  c.width = w;
  c.height = h;
  c.weight = weight;
  c.count = count;
  c.material = material;
  c.mustUp = mustUp;
  c.upendLayers = upendLayers;
  c.spaceIndex = spaceIndex;
  return c;
}

}  // namespace

std::vector<ExampleProject> exampleProjects() {
  std::vector<ExampleProject> examples;

  // The demo container with one carton type.
  ExampleProject demo{"demo.pak", {}};
  demo.project.cartons.push_back(carton("纸箱1", 600, 400, 300, 10.0, 850, 0));
  examples.push_back(demo);

  // Household appliances: three types, two of them kept upright.
  ExampleProject mixed{"mixed.pak", {}};
  mixed.project.container = Container{"40尺高柜", 12030, 2350, 2690, 26000};
  mixed.project.cartons.push_back(carton("电视机", 1100, 300, 700, 28.5, 40, 2));
  mixed.project.cartons.push_back(carton("洗衣机", 650, 600, 900, 62.0, 30, 4, true));
  mixed.project.cartons.push_back(carton("微波炉", 520, 420, 330, 14.0, 160, 6, true, 2));
  examples.push_back(mixed);

  // Position requirements: one type toward the inner end, one anywhere, one at the door.
  ExampleProject positions{"positions.pak", {}};
  positions.project.cartons.push_back(
      carton("里端货", 600, 400, 400, 20.0, 250, 1, false, 0, kSpaceInner));
  positions.project.cartons.push_back(carton("普通货", 500, 500, 500, 15.0, 120, 0));
  positions.project.cartons.push_back(
      carton("门口货", 400, 300, 300, 8.0, 300, 5, true, 0, kSpaceDoor));
  examples.push_back(positions);

  // An order larger than one container, for several containers of three types at typical
  // relative prices (a format 2 project: it has a fleet).
  ExampleProject shipment{"shipment.clyx", {}};
  shipment.project.container = Container{"40尺高柜", 12032, 2352, 2698, 26500};
  shipment.project.fleet = {
      ContainerType{Container{"20尺柜", 5898, 2352, 2393, 21770}, 1000.0, std::nullopt},
      ContainerType{Container{"40尺柜", 12032, 2352, 2393, 26680}, 1600.0, std::nullopt},
      ContainerType{Container{"40尺高柜", 12032, 2352, 2698, 26500}, 1700.0, std::nullopt}};
  shipment.project.cartons.push_back(carton("电视机", 1100, 300, 700, 28.5, 150, 2));
  shipment.project.cartons.push_back(carton("洗衣机", 650, 600, 900, 62.0, 120, 4, true));
  shipment.project.cartons.push_back(carton("微波炉", 520, 420, 330, 14.0, 500, 6, true, 2));
  shipment.project.cartons.push_back(carton("冰箱", 700, 650, 1700, 75.0, 60, 1, true));
  examples.push_back(shipment);

  // Cartons built onto EUR pallets, two types, and a third loaded loose beside the pallets
  // (a format 2 project: its cartons name a pallet type).
  ExampleProject pallets{"pallets.clyx", {}};
  pallets.project.container = Container{"40尺高柜", 12032, 2352, 2698, 26500};
  pallets.project.cartons.push_back(carton("微波炉", 500, 400, 300, 15.0, 300, 6, true));
  pallets.project.cartons.push_back(carton("电饭煲", 400, 300, 250, 6.0, 420, 3, true));
  pallets.project.cartons.push_back(carton("冰箱", 700, 650, 1700, 75.0, 20, 1, true));
  pallets.project.cartons[0].pallet = "EUR";
  pallets.project.cartons[1].pallet = "EUR";
  examples.push_back(pallets);

  return examples;
}
