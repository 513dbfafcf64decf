#include "tools/listgen/ListGenerator.h"

namespace lumoscope::listgen {

std::string SmallList() { return {}; }

}  // namespace lumoscope::listgen
