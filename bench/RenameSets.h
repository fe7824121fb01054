#pragma once

#include "ScratchFolder.h"
#include "engine/batch/BatchRename.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

// A folder of camera-named files and the two batches that give them titles and take the titles back.
struct RenameSets {
    ScratchFolder folder;
    std::vector<std::string> camera; // IMG_0000001.JPG ...
    std::vector<std::string> titled; // Holiday 2026 - 0000001.jpg ...
    engine::BatchSnapshot forward;
    engine::BatchSnapshot backward;

    RenameSets(const std::filesystem::path& base, int count) : folder(base) {
        char name[64];
        for (int i = 0; i < count; ++i) {
            std::snprintf(name, sizeof name, "IMG_%07d.JPG", i);
            camera.emplace_back(name);
            std::snprintf(name, sizeof name, "Holiday 2026 - %07d.jpg", i);
            titled.emplace_back(name);
            folder.AddEmptyFile(camera.back());
        }
        forward.folder = backward.folder = folder.Name();
        for (int i = 0; i < count; ++i) {
            forward.rows.push_back({camera[i], titled[i]});
            backward.rows.push_back({titled[i], camera[i]});
        }
    }
};
