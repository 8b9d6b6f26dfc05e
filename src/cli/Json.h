#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sonara::cli {

// A small streaming JSON writer: objects and arrays with commas placed for
// the caller. Strings are UTF-8 and escaped as JSON requires.
class JsonWriter {
  public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    void key(std::string_view name);
    void value(std::string_view text);
    void value(const char* text) { value(std::string_view(text)); }
    void value(int64_t number);
    void value(int number) { value(int64_t(number)); }
    void value(size_t number) { value(int64_t(number)); }
    void value(bool flag);
    template <typename T>
    void field(std::string_view name, const T& v) {
        key(name);
        value(v);
    }

    const std::string& str() const { return out_; }

  private:
    void separate();
    std::string out_;
    bool needComma_ = false;
};

std::string jsonEscape(std::string_view text);

}  // namespace sonara::cli
