#include "play/verse/verse_load.h"

#include <algorithm>
#include <map>

#include "core/dir.h"
#include "core/low.h"

namespace verse {
namespace {

// Decodes the JSON file `path` into *dst, naming the file in the error.
template <class T>
core::Result<void> decodeFile(const std::string& path, T* dst) {
  TRY_PREFIX(core::DecodeJSON(path, dst), "Cannot decode '" + path + "': ");
  return {};
}

// The number of a place directory "NN?id" within its circle, checked against the circle's
// size and the numbers taken before it.
core::Result<int> placeNumber(const std::string& name, std::size_t places,
                              const std::vector<bool>& taken) {
  auto wrong = [&name](const std::string& reason) {
    return core::Fail("Wrong dirname of place '" + name + "': " + reason);
  };
  if (name.size() < 4)
    return wrong("it needs two digits, a separator and a place id, as in '01_hall'");
  if (name[0] < '0' || name[0] > '9' || name[1] < '0' || name[1] > '9')
    return wrong("'" + name.substr(0, 2) + "' is not a two-digit place number");
  int number = (name[0] - '0') * 10 + (name[1] - '0');
  if (number < 1 || static_cast<std::size_t>(number) > places)
    return wrong("place number " + name.substr(0, 2) + " is not between 1 and " +
                 std::to_string(places) + ", the number of places in the circle");
  if (taken[static_cast<std::size_t>(number - 1)])
    return wrong("place number " + name.substr(0, 2) + " is used twice in the circle");
  return number;
}

// Loads every file of `dir` as a sound, in listing order.
core::Result<std::vector<audio::Sound*>> loadSoundDir(core::Context& ctx, const std::string& dir,
                                                      const std::string& openError,
                                                      const std::string& loadError) {
  auto d = core::Dir::Open(dir);
  if (!d) return core::Fail(openError + "'" + dir + "'");
  auto names = d->Names();
  if (!names) return core::Fail("Cannot get filenames in '" + dir + "'");
  std::vector<audio::Sound*> sounds;
  for (const auto& name : *names) {
    auto snd = ctx.LoadSound(dir + name);
    if (!snd) return core::Fail(loadError + "'" + dir + name + "'");
    sounds.push_back(*snd);
  }
  return sounds;
}

// Reads one circle directory into `circle`: its places with their pictures and portals.
core::Result<void> loadCircle(core::Context& ctx, Verse& v, int c, const std::string& circleDir,
                              core::Dir& dir, std::map<std::string, std::string>& portalPaths) {
  auto& circle = v.Places.emplace_back();
  TRY_ASSIGN(auto names, dir.Names(), "Cannot get dir names in '" + circleDir + "': ");
  if (names.empty()) return core::Fail("Circle exists, but has no places: '" + circleDir + "'");
  circle.resize(names.size());
  std::vector<bool> taken(names.size(), false);

  for (const auto& name : names) {
    TRY_ASSIGN(int number, placeNumber(name, names.size(), taken), "");
    taken[static_cast<std::size_t>(number - 1)] = true;
    auto place = std::make_unique<Place>();
    Place& p = *place;
    circle[static_cast<std::size_t>(number - 1)] = std::move(place);

    const std::string placeDir = circleDir + name + "/";
    TRY(decodeFile(placeDir + "place.json", &p.Info));
    p.Info.Id = name.substr(3);
    if (auto seen = v.PlaceId2Path.find(p.Info.Id); seen != v.PlaceId2Path.end())
      return core::Fail("Place ID duplicate: '" + seen->second + "' and '" + placeDir + "'");
    v.PlaceId2Path[p.Info.Id] = placeDir;
    v.PlaceId2Place[p.Info.Id] = &p;
    v.PlaceId2Circle[p.Info.Id] = c;

    TRY_ASSIGN(p.PicHere, ctx.LoadAnimage(placeDir + "here.png"),
               "Cannot load here-picture at '" + placeDir + "': ");
    ctx.RunAnimage(p.PicHere.get(), 0.5, -1);
    TRY_ASSIGN(p.PicThere, ctx.LoadAnimage(placeDir + "there.png"),
               "Cannot load there-picture at '" + placeDir + "': ");
    TRY_ASSIGN(p.PicZones, ctx.LoadAnimage(placeDir + "zones.png"),
               "Cannot load zones picture at '" + placeDir + "': ");

    const std::string portalsDir = placeDir + "portals/";
    auto pdir = core::Dir::Open(portalsDir);
    if (!pdir) continue;  // a place without a portals directory has no portals
    TRY_ASSIGN(auto files, pdir->Names(), "Cannot get filenames in '" + portalsDir + "': ");
    if (files.empty())
      return core::Fail("Portal dir exists, but has no portal defs: '" + portalsDir + "'");
    for (const auto& file : files) {
      const std::string path = portalsDir + file;
      Portal& portal = p.Portals.emplace_back();
      TRY(decodeFile(path, &portal));
      // The id is the name without its last five characters (".json").
      if (file.size() <= 5)
        return core::Fail("Portal file name '" + path +
                          "' leaves no portal id: the id is the name without its last five "
                          "characters, as in 'door.json'");
      portal.Id = file.substr(0, file.size() - 5);
      if (auto seen = portalPaths.find(portal.Id); seen != portalPaths.end())
        return core::Fail("Portal ID duplicate: '" + seen->second + "' and '" + path + "'");
      portalPaths[portal.Id] = path;
    }
  }
  return {};
}

}  // namespace

core::Result<VerseInfo> loadVerseInfo(core::Context& ctx, const std::string& id) {
  VerseInfo info;
  TRY(decodeFile("verses/" + id + "/verse.json", &info));
  info.Id = id;
  TRY_ASSIGN(info.Pic, ctx.LoadAnimage("verses/" + id + "/picture.png"),
             "Cannot load verse picture: ");
  ctx.RunAnimage(info.Pic.get(), 1.0 / 3, -1);
  return info;
}

core::Result<std::vector<VerseInfo>> LoadAllVerseInfos(core::Context& ctx) {
  TRY_ASSIGN(auto dir, core::Dir::Open("verses"), "Cannot open 'verses': ");
  TRY_ASSIGN(auto names, dir.Names(), "Cannot get verses' dirnames: ");
  if (names.empty()) return core::Fail("No verse dirs found in 'verses'");
  std::vector<VerseInfo> infos;
  for (const auto& id : names) {
    const std::string path = "verses/" + id;
    TRY_ASSIGN(bool isDir, core::IsDir(path), "Cannot open '" + path + "': ");
    if (!isDir) return core::Fail("'" + path + "' is not a dir");
    TRY_ASSIGN(auto info, loadVerseInfo(ctx, id), "Cannot get verse '" + id + "' info: ");
    infos.push_back(std::move(info));
  }
  return infos;
}

core::Result<std::unique_ptr<Verse>> loadVerse(core::Context& ctx, const std::string& id) {
  auto v = std::make_unique<Verse>();
  TRY_ASSIGN(v->Info, loadVerseInfo(ctx, id), "Cannot get verse '" + id + "' info: ");
  if (std::find(FORMATS.begin(), FORMATS.end(), v->Info.Format) == FORMATS.end())
    return core::Fail("Format '" + v->Info.Format + "' is unknown");

  const std::string root = "verses/" + id + "/";
  std::map<std::string, std::string> portalPaths;  // portal id → its file
  for (int c = 0;; ++c) {
    const std::string circleDir = root + "places/" + std::to_string(c) + "/";
    auto dir = core::Dir::Open(circleDir);
    if (!dir) break;  // the first missing number ends the circles
    TRY(loadCircle(ctx, *v, c, circleDir, *dir, portalPaths));
  }
  if (v->Places.empty())
    return core::Fail("No circle dirs ('0', '1', ...) found in '" + root +
                      "places' or enumeration doesn't start from 0");

  for (const auto& circle : v->Places)
    for (const auto& place : circle)
      for (const auto& portal : place->Portals)
        if (!v->PlaceId2Place.contains(portal.Destination))
          return core::Fail("Destination place '" + portal.Destination + "' of portal '" +
                            portalPaths[portal.Id] + "' doesn't exist in verse");

  TRY_ASSIGN(v->HiddenPlacePic, ctx.LoadAnimage(root + "places/hidden.png"),
             "Cannot load hidden place picture: ");

  const std::string thingsDir = root + "things/";
  std::vector<ThingInfo> infos;
  TRY_PREFIX(core::DecodeJSON(thingsDir + "things.json", &infos), "Cannot decode json: ");
  for (auto& info : infos) {
    auto thing = std::make_unique<Thing>();
    thing->Info = std::move(info);
    TRY_ASSIGN(thing->Pic, ctx.LoadAnimage(thingsDir + thing->Info.Pic),
               "Cannot load thing image: ");
    if (v->ThingId2Thing.contains(thing->Info.Id))
      return core::Fail("Thing ID duplicate: '" + thing->Info.Id + "'");
    v->ThingId2Thing[thing->Info.Id] = thing.get();
    v->Things.push_back(std::move(thing));
  }

  TRY_ASSIGN(v->PortalLoopSounds,
             loadSoundDir(ctx, root + "sounds/portals/loop/", "Cannot open portal loop sounds dir ",
                          "Cannot load portal sound loop from "),
             "");
  TRY_ASSIGN(v->PortalOpenSounds,
             loadSoundDir(ctx, root + "sounds/portals/open/", "Cannot open portal open sounds dir ",
                          "Cannot load portal open sound from "),
             "");

  TRY_PREFIX(buildZoneLabels(*v, ctx), "Cannot build zone labels: ");
  return v;
}

}  // namespace verse
