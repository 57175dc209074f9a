#include "jvlink/platform_jvlink.h"

namespace tw {

std::unique_ptr<JVLink> PlatformJVLinkFactory::Create() { return std::make_unique<NoDataJVLink>(); }

}  // namespace tw
