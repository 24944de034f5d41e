// Fixed texts and tables the whole game shares: resource folders, the sprite lists that
// screens load (addressed by index, so the order is binding), profile key names and the
// fighters' look names. Built before main() and read-only afterwards.
#pragma once

#include <array>
#include <string>

extern const std::string soundsFolder;    // prefix of soundscape.xml and every sample file
extern const std::string scriptsFolder;   // handed to the script bridge
extern const std::string fighterPathKey;  // profile element naming one fighter file
extern const std::string profileRootName; // root element of the profile document

// The battle picks two different entries for the two fighters' looks.
extern const std::array<std::string, 3> lookNames;

extern const std::array<std::string, 2> daviScreenSprites;
extern const std::array<std::string, 9> optionScreenSprites;
extern const std::array<std::string, 3> loadingScreenSprites;
extern const std::array<std::string, 20> matchScreenSprites;
extern const std::array<std::string, 1> pauseDialogSprites;
extern const std::array<std::string, 3> menuScreenSprites;
extern const std::array<std::string, 12> quickMatchScreenSprites;
