// The game as a player starts it, in a folder where a modder's files replaced the GUI's
// pictures and the arenas' collision meshes with files the model library cannot take.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#define STB_IMAGE_IMPLEMENTATION  // once in this program, through ProgramRun.h
#include "tests/app/ProgramRun.h"

namespace fs = std::filesystem;

namespace {

// A mesh with nonsense numbers, then an animation set whose one animation has no keys.
const char MeshThenEmptyAnimation[] =
    "xof 0303txt 0032\nMesh{4;4;4;7;0;.8,4;0;0;0;0;0;0;1,1,1;}AnimationSet{Animation{}}";

// Binary .ply: a vertex element of two z and no x or y, and faces of 4, 0 and 2 corners.
std::string shortFacesPly() {
    const std::string header =
        "ply\nformat binary_little_endian 1.0\nelement vertex 4\nproperty int8 z\ncomment\n"
        "property char z\nelement face 3\nproperty list int8 char vertex_indices\nend_header\n";
    return header + std::string("\x00ly\x04\x00\x02\x02\x02\x01\x00\x02\x02\x02\x02\x66\x6c", 16);
}

// Replaces every file under folder whose name passes the test (a hard link is removed, so the
// generated pack keeps its own file); returns how many.
template <typename Test>
int replaceFiles(const fs::path& folder, Test test, const std::string& bytes) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && test(entry.path())) found.push_back(entry.path());
    for (const fs::path& file : found) {
        fs::remove(file);
        std::ofstream(file, std::ios::binary) << bytes;
    }
    return static_cast<int>(found.size());
}

}  // namespace

TEST_F(Program, ModelFilesTheLibraryCannotTakeAreLeftOutAndTheGameRuns) {
    // The generated game folder as loose files (hard links), without graphics.qmx.
    const fs::path game = dir / "game";
    fs::copy(GAME_DIR, game, fs::copy_options::recursive | fs::copy_options::create_hard_links);
    fs::remove(game / "graphics.qmx");
    const int pictures = replaceFiles(game / "Tavek_res" / "gui",
                                      [](const fs::path& p) { return p.extension() == ".x"; }, MeshThenEmptyAnimation);
    const int meshes = replaceFiles(game, [](const fs::path& p) { return p.filename() == "mat_0.93.ply"; }, shortFacesPly());
    ASSERT_GT(pictures, 10);
    ASSERT_EQ(meshes, 2);
    std::ofstream(dir / "registry.txt") << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Harlowick\\Brennock Davi]\n"
                                        << "\"Path\"=\"" << game.string() << "\"\n";

    const fs::path shot = dir / "late.png";
    GameRun run = start({"VUZ_FRAME_LIMIT=60", "VUZ_SCREENSHOTS=50:" + shot.string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(fs::exists(shot)) << "the game did not come to its 50th frame";
    int refusedPictures = 0, refusedMeshes = 0;
    for (const std::string& line : run.log) {
        if (line.find("was refused") == std::string::npos) continue;
        refusedPictures += line.find("gui\\") != std::string::npos && line.find(".x ") != std::string::npos;
        refusedMeshes += line.find("mat_0.93.ply") != std::string::npos;
    }
    EXPECT_GT(refusedPictures, 0);
    EXPECT_GT(refusedMeshes, 0);
}
