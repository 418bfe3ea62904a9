// The settings seam: one section ("RDMX") of the user's profile.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace kalvor {

constexpr const char* kProfileSection = "RDMX";

// Whether `key` and `value` can be stored without changing the settings
// file's structure: no line break or NUL in either (it would start a new key
// or a section), no "=" in the key and no key opening with "[".
inline bool StorableSetting(const std::string& key, const std::string& value) {
  const auto breaks = [](const std::string& s) {
    return s.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
  };
  return !key.empty() && key[0] != '[' && key.find('=') == std::string::npos && !breaks(key) &&
         !breaks(value);
}

class Profile {
 public:
  virtual ~Profile() = default;
  // The stored value, or `def` when the key is missing; values longer than
  // capacity - 1 characters are cut, as the profile calls do.
  virtual std::string GetString(const std::string& key, const std::string& def,
                                std::size_t capacity) = 0;
  // Leading decimal digits of the stored value; `def` when the key is missing.
  virtual long GetInt(const std::string& key, long def) = 0;
  virtual bool PutString(const std::string& key, const std::string& value) = 0;
  // Several keys as one change: where the store allows, all of them reach it
  // together or none does. False when any could not be written.
  virtual bool PutStrings(const std::vector<std::pair<std::string, std::string>>& entries) {
    bool ok = true;
    for (const auto& [key, value] : entries) ok = PutString(key, value) && ok;
    return ok;
  }
  // Where the settings are kept, for messages.
  virtual std::string Where() const { return "WIN.INI"; }
};

}  // namespace kalvor
