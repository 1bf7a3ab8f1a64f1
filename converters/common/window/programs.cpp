// The texts, patterns, sizes and conversions of the three converter windows.
#include "common/window/programs.hpp"

#include "cadastral/kestrin.hpp"
#include "shapefile/shape.hpp"
#include "sima/sima.hpp"

namespace conv::window {

const Program kBentrim = {
    "bentrim", "Bentrim", "Tavra SIMA=>G-XML", "入出力ﾌｧｲﾙ名指定", "XY座標反転(通常)", true,
    "*.Sim;*.Txt", "*.XML", 0.5, 0.6, convert_sima,
};

const Program kParlow = {
    "parlow", "Parlow", "Tavra Kestrin=>XML", "入出力ﾌｧｲﾙ名指定", "XY座標反転(通常)", true,
    "*.*", "*.XML", 0.5, 0.6, convert_kestrin,
};

const Program kQuorvel = {
    "quorvel", "Quorvel", "Tavra SHAPE=>G-XML", "入出力ファイル選択", "XY座標を逆", false,
    "*.Shp", "*.*", 0.5, 0.65, convert_shape,
};

const Program* find_program(std::string_view command) {
  for (const Program* p : {&kBentrim, &kParlow, &kQuorvel})
    if (p->command == command) return p;
  return nullptr;
}

}  // namespace conv::window
