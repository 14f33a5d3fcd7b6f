// Reading the demo game in game/ the way the engine will: its verses, pictures, cinemas
// and sounds, with records of the files' own shapes (the tests do not rely on the engine's
// verse loader, so they check the data by the layout rules alone).
#pragma once

#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/json.h"

namespace demogame {

using Texts = std::map<std::string, std::string>;  // language id -> text

struct VerseInfo {
  Texts Title;
  Texts Descript;
  std::string Version, Date, Authors, Comments, Format;
  std::vector<std::string> Languages;
};
JSON_RECORD(VerseInfo, Title, Descript, Version, Date, Authors, Comments, Format, Languages)

struct PlaceInfo {
  Texts Title;
  std::map<std::string, std::string> HexColor2Thing;
  std::string Cinema, Ambient, Music;
};
JSON_RECORD(PlaceInfo, Title, HexColor2Thing, Cinema, Ambient, Music)

struct Complete {
  std::string Thing;
  Texts Content;
};
JSON_RECORD(Complete, Thing, Content)

struct Phrase {
  Texts Content;
  std::vector<Complete> Completes;
};
JSON_RECORD(Phrase, Content, Completes)

struct Portal {
  std::string Destination, HexColor;
  std::array<int, 2> RectCenter{};
  int RectWidth = 0;
  std::vector<Phrase> Phrases;
};
JSON_RECORD(Portal, Destination, HexColor, RectCenter, RectWidth, Phrases)

struct ThingInfo {
  std::string Id, Pic;
  Texts Title;
};
JSON_RECORD(ThingInfo, Id, Pic, Title)

// A picture as the engine loads it: the file itself, or else the numbered frames
// 0001.png, 0002.png, ... in the directory named like the file without its extension.
struct Picture {
  int w = 0, h = 0, frames = 0;
  std::set<std::string> colours;  // rrggbb of every pixel of the first frame, when asked
};
std::optional<Picture> LoadPicture(const std::string& path, bool withColours = false);

struct Video {
  int w = 0, h = 0;
  long frames = 0;
};
std::optional<Video> ProbeVideo(const std::string& path);

bool IsOgg(const std::string& path);
bool IsFile(const std::string& path);
bool IsDir(const std::string& path);
std::vector<std::string> List(const std::string& dir);  // entry names, sorted
std::string GameDir();

struct Place {
  int circle = 0, number = 0;
  std::string id, dir;  // dir ends with "/"
  PlaceInfo info;
  std::vector<std::pair<std::string, Portal>> portals;  // portal id, portal
};

struct Verse {
  std::string id, dir;  // dir ends with "/"
  VerseInfo info;
  std::vector<std::vector<Place>> circles;  // circle c, place number k + 1
  std::vector<ThingInfo> things;
  const Place* FindPlace(const std::string& id) const;
  const Portal* FindPortal(const std::string& id) const;
};

// Reads a verse's files; every file that cannot be read is reported as a test failure.
Verse ReadVerse(const std::string& id);

}  // namespace demogame
