// The game's text is single-byte Latin-1; the XML library works in UTF-16.
// Every byte maps to the code unit of the same value, so game text survives a save and
// load unchanged. Code units above 0xFF (never written by the game) read back as '?'.
#pragma once

#include <string>

#include <xercesc/util/XercesDefs.hpp>

std::u16string latin1ToXml(const std::string& text);
std::string xmlToLatin1(const XMLCh* text);
