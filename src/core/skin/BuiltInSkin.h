#pragma once

#include <string_view>

namespace sonara::skin {

// The default skin that ships inside the program: the bytes of each file the
// table marks as built in. Implemented by the generated skin data; tests
// pass their own.
class BuiltInSkin {
  public:
    virtual ~BuiltInSkin() = default;
    // Empty for an index without a built-in copy.
    virtual std::string_view file(int index) const = 0;
};

// A skin that ships with the program, written into the skins folder when its
// folder is missing there.
struct BundledSkin {
    std::string_view name;
    const BuiltInSkin& files;
};

}  // namespace sonara::skin
