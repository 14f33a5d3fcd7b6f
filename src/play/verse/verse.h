// The records of a loaded verse and the formats of its files.
#pragma once

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/json.h"

namespace video {
struct Animage;
}
namespace audio {
struct Sound;
}

namespace verse {

// Text for the player: language id → text. A missing language reads as the empty text.
using LocalisedMap = std::map<std::string, std::string>;

// The text of `m` in language `lang`, or the empty text.
const std::string& Localised(const LocalisedMap& m, const std::string& lang);

// The verse format ids this engine plays.
inline const std::vector<std::string> FORMATS = {"orlevanth1"};

// "verse.json", plus the id and picture set by the loader.
struct VerseInfo {
  std::string Id;                  // the verse directory's name
  std::shared_ptr<video::Animage> Pic = nullptr;  // "picture.png"
  LocalisedMap Title;
  LocalisedMap Descript;
  std::string Version;
  std::string Date;
  std::string Authors;
  std::vector<std::string> Languages;
  std::string Comments;
  std::string Format;
};
JSON_RECORD(VerseInfo, Id, Title, Descript, Version, Date, Authors, Languages, Comments, Format)

// A place's "place.json".
struct PlaceInfo {
  std::string Id;  // from the place directory's name
  LocalisedMap Title;
  std::map<std::string, std::string> HexColor2Thing;  // zone colour "rrggbb" → thing id
  std::string Cinema;
  std::string Ambient;
  std::string Music;
};
JSON_RECORD(PlaceInfo, Id, Title, HexColor2Thing, Cinema, Ambient, Music)

struct Complete {
  std::string Thing;
  LocalisedMap Content;  // the phrase's text while this thing lies on it
};
JSON_RECORD(Complete, Thing, Content)

struct Phrase {
  LocalisedMap Content;
  std::vector<Complete> Completes;  // the first one names the thing that satisfies the phrase
};
JSON_RECORD(Phrase, Content, Completes)

// One portal file of a place's "portals" directory.
struct Portal {
  std::string Id;  // the file's name without its last five characters
  std::string Destination;
  std::string HexColor;
  std::array<int, 2> RectCenter{};  // on the cinema's frames, from their top-left corner
  int RectWidth = 0;
  std::vector<Phrase> Phrases;
};
JSON_RECORD(Portal, Id, Destination, HexColor, RectCenter, RectWidth, Phrases)

// One entry of "things/things.json".
struct ThingInfo {
  std::string Id;
  LocalisedMap Title;
  std::string Pic;  // file name in the verse's "things" directory
};
JSON_RECORD(ThingInfo, Id, Title, Pic)

struct Thing {
  ThingInfo Info;
  std::shared_ptr<video::Animage> Pic = nullptr;
};

// Where a zone's label goes (relative to the screen centre) and what it says.
struct ZoneLabel {
  int sx = 0;
  int sy = 0;
  std::string id;
  std::string text;
};

struct Place {
  PlaceInfo Info;
  std::shared_ptr<video::Animage> PicHere = nullptr;
  std::shared_ptr<video::Animage> PicThere = nullptr;
  std::vector<Portal> Portals;  // in the order the portal directory lists them
  std::shared_ptr<video::Animage> PicZones = nullptr;
  std::vector<ZoneLabel> PortalLabels;
  std::vector<ZoneLabel> ThingLabels;
};

// A whole loaded verse. Pictures and sounds are owned by the video and audio modules and
// released by their Clean; the verse only refers to them.
struct Verse {
  VerseInfo Info;
  // Element k of circle c is the place numbered k + 1 in circle c.
  std::vector<std::vector<std::unique_ptr<Place>>> Places;
  std::shared_ptr<video::Animage> HiddenPlacePic = nullptr;
  std::vector<std::unique_ptr<Thing>> Things;  // in the order of "things.json"
  std::map<std::string, Thing*> ThingId2Thing;
  std::map<std::string, std::string> PlaceId2Path;  // the place's directory, ending in "/"
  std::map<std::string, Place*> PlaceId2Place;
  std::map<std::string, int> PlaceId2Circle;
  std::vector<audio::Sound*> PortalLoopSounds;
  std::vector<audio::Sound*> PortalOpenSounds;
};

}  // namespace verse
