// A scratch folder made the working directory for one test, with the championship data
// files the game reads from Tavek_res\championship.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/win32/hostpath.h"
#include "tests/persistence/ScratchFolder.h"

class GameFolder : public ScratchFolder {
public:
    GameFolder() : previous(std::filesystem::current_path()) {
        std::filesystem::create_directories(file("Tavek_res/championship"));
        std::filesystem::current_path(folder());
        hostPathClearCache();
    }
    ~GameFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
        hostPathClearCache();
    }

    // Four tiers; tier 1 holds four tournaments, the others one or two.
    void writeTournaments() const {
        write("Tavek_res/championship/tournaments.xml",
              "<Tournaments>" + tournament("Spring Open", 1, 2) + tournament("Summer Cup", 1, 1) +
                  tournament("Autumn Cup", 1, 3) + tournament("Winter Cup", 1, 2) + tournament("Regional", 2, 3) +
                  tournament("State", 2, 3) + tournament("National", 3, 4) + tournament("World", 4, 5) +
                  "</Tournaments>");
    }

    // Two AI scripts for coloured belts below black, none for black.
    void writeScripts() const {
        write("Tavek_res/championship/scripts.xml",
              "<Scripts><level Belt=\"yellow\"><AI script=\"rusher\"/><AI script=\"blocker\"/></level>"
              "<level Belt=\"green\"><AI script=\"counter\"/></level>"
              "<level Belt=\"black\"><AI script=\"master\"/></level>"
              "<level Belt=\"red\"/></Scripts>");
    }

    void writeNames() const {
        write("Tavek_res/championship/names.xml",
              "<Names><Last><Name value=\"kerrow\"/><Name value=\"DALVE\"/></Last>"
              "<First type=\"m\"><Name value=\"ansel\"/></First>"
              "<First type=\"f\"><Name value=\"mira\"/></First></Names>");
    }

    void writeChampionshipData() const {
        writeTournaments();
        writeScripts();
        writeNames();
    }

private:
    static std::string tournament(const std::string& name, int tier, int opponents) {
        return "<Tournament name=\"" + name + "\" opponents=\"" + std::to_string(opponents) +
               "\" difficulty=\"1.0\" tier=\"" + std::to_string(tier) +
               "\" rounds=\"3\" roundlength=\"60\" arena=\"dojang\"/>";
    }

    std::filesystem::path previous;
};
