#include "app/window_fonts.h"

namespace bw {

constexpr FontSpec kWindowFont{"Tahoma", 825, kFontWeightNormal, kGreekCharset};
constexpr FontSpec kWindowBoldFont{"Tahoma", 825, kFontWeightBold, kGreekCharset};

}  // namespace bw
