#include "skin/DefaultSkin.h"

#include "skin/GeneratedSkinData.h"

namespace sonara::skin {

namespace {

class GeneratedSkin : public BuiltInSkin {
  public:
    explicit GeneratedSkin(const generated::Blob* files) : files_(files) {}
    std::string_view file(int index) const override {
        if (index < 0 || index >= kFileCount || files_[index].bytes == nullptr) {
            return {};
        }
        return {reinterpret_cast<const char*>(files_[index].bytes), files_[index].size};
    }

  private:
    const generated::Blob* files_;
};

const BuiltInSkin& daylightSkin() {
    static const GeneratedSkin skin(generated::kDaylightSkin);
    return skin;
}

}  // namespace

const BuiltInSkin& defaultSkin() {
    static const GeneratedSkin skin(generated::kDefaultSkin);
    return skin;
}

std::vector<BundledSkin> bundledSkins() {
    return {{"Default", defaultSkin()}, {"Daylight", daylightSkin()}};
}

}  // namespace sonara::skin
