#include "play/verse/verse.h"

namespace verse {

const std::string& Localised(const LocalisedMap& m, const std::string& lang) {
  static const std::string empty;
  auto it = m.find(lang);
  return it == m.end() ? empty : it->second;
}

}  // namespace verse
