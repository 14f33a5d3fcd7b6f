// Turning verse directories under "verses/" into records: the catalogue of every verse's
// description, and one whole verse with its validation.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/context.h"
#include "core/error.h"
#include "play/verse/verse.h"

namespace verse {

// The description and picture of every verse under "verses/", in the order the directory
// lists them. Every entry of "verses/" must be a verse directory.
[[nodiscard]] core::Result<std::vector<VerseInfo>> LoadAllVerseInfos(core::Context& ctx);

// The description and (started) picture of verse `id`.
[[nodiscard]] core::Result<VerseInfo> loadVerseInfo(core::Context& ctx, const std::string& id);

// The whole verse `id`: circles, places, pictures, portals, things, portal sounds, lookup
// maps and zone labels. Stops at the first problem with a message naming it.
[[nodiscard]] core::Result<std::unique_ptr<Verse>> loadVerse(core::Context& ctx,
                                                             const std::string& id);

// Fills every place's portal and thing labels from its zones picture.
[[nodiscard]] core::Result<void> buildZoneLabels(Verse& v, core::Context& ctx);

}  // namespace verse
