// The menu's verse catalogue: its order and the selected verse.
#include "play/meta/local.h"

#include <gtest/gtest.h>

#include "support/engine.h"

namespace {

using testsupport::Engine;

struct Listed {
  std::string id;
  const char* title;  // null: no title in the player's language
};

std::vector<verse::VerseInfo> infos(const std::vector<Listed>& listed) {
  std::vector<verse::VerseInfo> out;
  for (const Listed& l : listed) {
    verse::VerseInfo v;
    v.Id = l.id;
    v.Title["deu"] = "Titel";
    if (l.title) v.Title["eng"] = l.title;
    out.push_back(std::move(v));
  }
  return out;
}

TEST(MetaLocal, SortsByTitleInThePlayersLanguage) {
  Engine engine;  // language "eng"
  struct Case {
    const char* what;
    std::vector<Listed> listed;
    std::vector<std::string> sorted;
  };
  const Case cases[] = {
      {"equal titles do not keep their order",
       {{"b1", "B"}, {"b2", "B"}, {"a", "A"}},
       {"a", "b2", "b1"}},
      {"a missing title counts as empty and comes first",
       {{"z", "Z"}, {"none", nullptr}, {"y", "Y"}},
       {"none", "y", "z"}},
      {"bytes compare unsigned: capitals, then small letters, then other scripts",
       {{"accent", "Éclat"}, {"small", "apple"}, {"capital", "Zebra"}},
       {"capital", "small", "accent"}},
      {"one verse", {{"only", "Only"}}, {"only"}},
  };
  for (const Case& c : cases) {
    meta::Local l;
    l.verseInfos = infos(c.listed);
    l.sortVerseInfosByTitle(*engine);
    std::vector<std::string> ids;
    for (const auto& v : l.verseInfos) ids.push_back(v.Id);
    EXPECT_EQ(ids, c.sorted) << c.what;
  }
}

TEST(MetaLocal, SelectsTheChosenVerseAndWrapsAround) {
  play::Control control;
  play::States st;
  st.Control = &control;
  meta::Local& l = st.MakeLocal<meta::Local>();
  l.verseInfos = infos({{"a", "A"}, {"b", "B"}, {"c", "C"}});

  control.SelVerseId = "b";
  meta::setVerseFromId(st);
  EXPECT_EQ(l.iSelVerse, 1);
  EXPECT_EQ(control.SelVerseId, "b");

  // A verse that no longer exists: the first one is selected and named.
  for (const char* stale : {"gone", ""}) {
    l.iSelVerse = 2;
    control.SelVerseId = stale;
    meta::setVerseFromId(st);
    EXPECT_EQ(l.iSelVerse, 0) << stale;
    EXPECT_EQ(control.SelVerseId, "a") << stale;
  }

  struct Step {
    int index;
    int selected;
    const char* id;
  };
  for (const Step& s : {Step{-1, 2, "c"}, Step{3, 0, "a"}, Step{1, 1, "b"}, Step{-3, 0, "a"}}) {
    meta::setVerseByIndex(st, s.index);
    EXPECT_EQ(l.iSelVerse, s.selected) << s.index;
    EXPECT_EQ(control.SelVerseId, s.id) << s.index;
  }
}

}  // namespace
