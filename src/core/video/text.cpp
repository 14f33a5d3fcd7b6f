#include "core/video/text.h"

#include <SDL_ttf.h>

namespace video {

core::Result<void> LoadFont(Context& ctx, const std::string& fname, int size) {
  TTF_Font* font = TTF_OpenFont(("fonts/" + fname).c_str(), size);
  if (!font) return core::Fail(TTF_GetError());
  ctx.fonts.push_back(font);
  return {};
}

int FontHeight(const Context& ctx, Font font) {
  if (font < 0 || font >= static_cast<int>(ctx.fonts.size())) return 0;
  return TTF_FontHeight(ctx.fonts[static_cast<std::size_t>(font)]);
}

void closeFonts(Context& ctx) {
  for (TTF_Font* f : ctx.fonts) TTF_CloseFont(f);
  ctx.fonts.clear();
}

}  // namespace video
