#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/io/Result.h"

namespace sonara {

// One INI file in memory, read and written with the rules of the Win32
// private-profile functions, so that files from the Windows program behave the
// same here:
// - section and key names match ignoring the case of A-Z;
// - values are kept verbatim apart from the white space around them: no
//   quoting, no escapes, no list splitting;
// - lines starting with ';' are comments; '#' starts an ordinary key ("#0");
// - the first of two sections or keys of the same name wins; the later one,
//   keys before the first section and lines that are neither entries nor
//   comments are kept untouched and are otherwise invisible.
//
// Saving writes back every line that was read, in place and byte for byte
// unless its value changed; new keys go to the end of their section, new
// sections to the end of the file. The file is saved as UTF-8 without a
// byte-order mark, through an atomic replace. Values read are UTF-8: bytes that
// are not are taken as Windows-1252.
//
// Not thread-safe: one owner at a time.
class IniFile {
  public:
    IniFile();
    ~IniFile();
    IniFile(IniFile&&) noexcept;
    IniFile& operator=(IniFile&&) noexcept;
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    // Replaces the content with the file at `path`. A missing file is an
    // empty profile; a file that cannot be read leaves the profile empty and
    // returns the reason.
    Status load(const std::string& path);
    // Replaces the content with `text` (any bytes: damage is kept, not fatal).
    Status loadFromText(std::string_view text);

    // The value, or nothing when the section or key is absent.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    // The value or `defaultText`, cut to `maxChars` characters as the
    // Windows program's 512-byte buffers did.
    std::string getText(std::string_view section, std::string_view key,
                        std::string_view defaultText, size_t maxChars = 511) const;
    // GetPrivateProfileInt: the default when the key is absent or empty; else
    // the leading decimal number of the value ("12abc" is 12), 0 when there is
    // none; beyond the int range it saturates.
    int getInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Fails for a name that would not read back as itself (empty, line
    // breaks, '=' or a leading '[' or ';' in a key, ']' in a section, white
    // space around it). Line breaks and NUL bytes in the value become spaces:
    // a value cannot add lines to the file.
    Status set(std::string_view section, std::string_view key, std::string_view value);
    Status setInt(std::string_view section, std::string_view key, int value);
    // True when the key was there.
    bool remove(std::string_view section, std::string_view key);

    std::vector<std::string> sections() const;
    std::vector<std::string> keys(std::string_view section) const;

    // The file's text as save() writes it.
    std::string toText() const;
    Status save(const std::string& path) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The number at the start of a profile value, as GetPrivateProfileInt reads
// it: optional white space and sign, then decimal digits; 0 without digits.
int parseProfileInt(std::string_view text);

// The first `maxChars` characters of UTF-8 `text`, never half a character.
std::string cutToChars(std::string_view text, size_t maxChars);

}  // namespace sonara
