#include "library/ConnectOptions.h"

const TTypeInfo& TypeInfoConnectOptions() {
  static const TTypeInfo info{
      TTypeKind::tkSet,
      STR("TConnectOptions"),
      {STR("coCompress"), STR("coFoundRows"), STR("coIgnoreSpaces"), STR("coInteractive"),
       STR("coNoSchema"), STR("coODBC"), STR("coSSL")},
      nullptr};
  return info;
}
