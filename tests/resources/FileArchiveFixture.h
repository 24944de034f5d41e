// FileArchive tests run in a fresh working folder with the recording engine. Files are written
// first, then the archive is opened (the packed archive is indexed when it opens).
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "RecordingEngine.h"
#include "ResourceWorkspace.h"
#include "resources/FileArchive.h"

class FileArchiveTest : public ::testing::Test {
protected:
    void SetUp() override { RecordingEngine::get().reset(); }
    void TearDown() override { RecordingEngine::get().reset(); }

    FileArchive& open() {
        archive = std::make_unique<FileArchive>("graphics.qmx", RecordingEngine::functions());
        return *archive;
    }
    // Packs the folder "packed" of the workspace into graphics.qmx.
    void packStage(const std::vector<std::string>& paths) { ASSERT_TRUE(workspace.pack("graphics.qmx", "packed", paths)); }

    uint32_t references(const std::string& name) const { return archive->files().references(name); }
    size_t cachedFiles() const { return archive->files().size(); }
    std::vector<RecordedCreate>& creates() { return RecordingEngine::get().creates; }
    std::vector<RecordedDestroy>& destroys() { return RecordingEngine::get().destroys; }

    ResourceWorkspace workspace;
    std::unique_ptr<FileArchive> archive;
};
