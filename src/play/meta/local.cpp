#include "play/meta/local.h"

#include <utility>

namespace meta {

void Local::sortVerseInfosByTitle(const core::Context& ctx) {
  const std::string& lang = ctx.LangId();
  const std::size_t n = verseInfos.size();
  for (std::size_t i = 0; i + 1 < n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (verse::Localised(verseInfos[i].Title, lang) > verse::Localised(verseInfos[j].Title, lang))
        std::swap(verseInfos[i], verseInfos[j]);
    }
  }
}

void setVerseFromId(play::States& st) {
  Local& l = *st.LocalAs<Local>();
  for (std::size_t i = 0; i < l.verseInfos.size(); ++i) {
    if (l.verseInfos[i].Id == st.Control->SelVerseId) {
      l.iSelVerse = static_cast<int>(i);
      return;
    }
  }
  l.iSelVerse = 0;
  st.Control->SelVerseId = l.verseInfos[0].Id;
}

void setVerseByIndex(play::States& st, int i) {
  Local& l = *st.LocalAs<Local>();
  const int n = static_cast<int>(l.verseInfos.size());
  l.iSelVerse = ((i % n) + n) % n;
  st.Control->SelVerseId = l.verseInfos[l.iSelVerse].Id;
}

void playSound(core::Context& ctx, audio::Sound* snd) { (void)ctx.PlaySound(snd); }

}  // namespace meta
