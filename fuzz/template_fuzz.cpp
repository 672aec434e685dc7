// Fills the export's template from arbitrary bytes. The first byte gives the length of a
// carton name taken from the bytes after it (GBK, as in a project file); the rest is the
// template. Whatever the bytes, the fill ends, a template without "[" passes through
// unchanged up to its first zero byte, and the document is text in the template's encoding.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "export/exportplan.h"
#include "export/templateencoding.h"
#include "model/fillscheme.h"
#include "model/gbk.h"

namespace {

FillScheme planWithName(const std::string& name) {
  FillScheme plan;
  Carton& carton = plan.addCarton();
  carton.name = name;
  carton.length = 600;
  carton.width = 400;
  carton.height = 300;
  carton.count = 10;
  BlockScheme block;
  block.sizeX = 400;
  block.sizeY = 300;
  block.sizeZ = 600;
  block.nx = 3;
  block.ny = 2;
  block.nz = 4;
  block.count = 20;
  block.orientation = 5;
  block.cartonIndex = 0;
  block.cartonName = name;
  plan.result.containers.push_back(LoadedContainer{plan.container, {block}});
  return plan;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t nameLength = std::min<std::size_t>(data[0] % 50, size - 1);
  const std::string_view nameBytes(reinterpret_cast<const char*>(data + 1), nameLength);
  const std::string_view templateBytes(reinterpret_cast<const char*>(data + 1 + nameLength),
                                       size - 1 - nameLength);
  const auto name = gbkToUtf8(nameBytes.substr(0, nameBytes.find('\0')));
  const FillScheme plan = planWithName(name ? *name : "纸箱1");
  const ExportPlan exportPlan(plan, "/nonexistent/");
  std::string error;
  const auto document = exportPlan.fillTemplate(templateBytes, &error);
  const std::string_view text = templateBytes.substr(0, templateBytes.find('\0'));
  const bool utf8 = templateEncoding(text) == TextEncoding::Utf8;
  const bool templateIsText = utf8 ? isValidUtf8(text) : gbkToUtf8(text).has_value();
  if (document.has_value() != templateIsText) std::abort();
  if (document && text.find('[') == std::string_view::npos && *document != text) std::abort();
  // The document is text of the template's encoding as a whole.
  if (document && (utf8 ? !isValidUtf8(*document) : !gbkToUtf8(*document))) std::abort();
  return 0;
}
