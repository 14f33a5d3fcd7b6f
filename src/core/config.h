// The settings record, read once at start from "config.json" in the working directory.
#pragma once

#include <memory>
#include <string>

#include "core/error.h"
#include "core/json.h"

namespace config {

struct Config {
  std::string AppWindowName;
  int XRes = 0;  // 0: the display mode's width; the real window width after video init
  int YRes = 0;  // as XRes, for the height
  bool FullScr = false;
  bool FullScrDesk = false;
  bool VSync = false;
  int Framerate = 0;
  int MouseSensitivity = 0;  // percent, 100 = unscaled
  bool LeftHand = false;
  bool Mute = false;
  int VolSound = 0;  // mixer units 0..128
  int VolMusic = 0;
  int VolSpeech = 0;
  std::string Lang;
  int NumCPU = 0;  // always the number of logical processors, whatever the file says
};

JSON_RECORD(Config, AppWindowName, XRes, YRes, FullScr, FullScrDesk, VSync, Framerate,
            MouseSensitivity, LeftHand, Mute, VolSound, VolMusic, VolSpeech, Lang, NumCPU)

// Reads "config.json" of the working directory.
[[nodiscard]] core::Result<std::unique_ptr<Config>> Load();

}  // namespace config
