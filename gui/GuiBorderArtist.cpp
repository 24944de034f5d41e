#include "gui/GuiBorderArtist.h"

GuiBorderArtist::GuiBorderArtist(IPrimitiveFactory* factory)
    : factory(factory),
      linePaths{"Tavek_res\\gui\\general\\white.x", "Tavek_res\\gui\\general\\white.x",
                "Tavek_res\\gui\\general\\white.x", "Tavek_res\\gui\\general\\white.x"},
      piecePaths{"Tavek_res\\gui\\general\\Border-Top.x",      "Tavek_res\\gui\\general\\Border-Top-Right.x",
                 "Tavek_res\\gui\\general\\Border-Right.x",    "Tavek_res\\gui\\general\\Border-Bot-Right.x",
                 "Tavek_res\\gui\\general\\Border-Bot.x",      "Tavek_res\\gui\\general\\Border-Bot-Left.x",
                 "Tavek_res\\gui\\general\\Border-Left.x",     "Tavek_res\\gui\\general\\Border-Top-Left.x"} {}
