#include "view3d/scene.h"

#include "model/blockscheme.h"
#include "model/container.h"
#include "model/loadedpallet.h"
#include "model/palette.h"

void Scene::clearScene() {
  sceneBlocks.clear();
  highlightedBlock = -1;
  highlightedCount = 1;
}

void Scene::addSceneBlock(std::int32_t sizeX, std::int32_t sizeY, std::int32_t sizeZ,
                          std::int32_t orientation, std::int32_t x, std::int32_t y, std::int32_t z,
                          std::int32_t nx, std::int32_t ny, std::int32_t nz, std::int32_t gapX,
                          std::int32_t gapY, std::int32_t gapZ, std::int32_t count,
                          std::uint32_t color) {
  sceneBlocks.push_back(
      CubeBlock{sizeX, sizeY, sizeZ, orientation, x, y, z, nx, ny, nz, gapX, gapY, gapZ, count, color, 0, {}});
}

void Scene::setSceneContainer(const Container& container) {
  sceneSize = SceneSize{container.length, container.width, container.height};
}

void Scene::addResultBlock(const BlockScheme& b, std::int32_t blockNumber) {
  addSceneBlock(b.sizeX - kCartonSeam, b.sizeY - kCartonSeam, b.sizeZ - kCartonSeam, b.orientation, b.x, b.y,
                b.z, b.nx, b.ny, b.nz, b.gapX + kCartonSeam, b.gapY + kCartonSeam, b.gapZ + kCartonSeam,
                b.count, materialColor(b.material));
  sceneBlocks.back().blockNumber = blockNumber;
  sceneBlocks.back().cartonName = b.cartonName;
}

void Scene::addPalletBase(const PlacedBox& base, const std::string& caption) {
  addSceneBlock(base.sizeX, base.sizeY, base.sizeZ, 0, base.x, base.y, base.z, 1, 1, 1, 0, 0, 0, 1, kPalletBaseColor);
  sceneBlocks.back().cartonName = caption;
}
