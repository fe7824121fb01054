#pragma once

#include "ScratchFolder.h"

#include <cstdlib>
#include <filesystem>

// Points HOME and the XDG folders at a fresh temporary folder for the life of a test program, so that no
// test reads or writes the user's real desktop, settings, trash or undo journal. The folder is removed at the
// end.
class TestHome {
public:
    TestHome() {
        const std::filesystem::path& root = root_.Path();
        const auto config = root / ".config";
        const auto data = root / ".local" / "share";
        const auto cache = root / ".cache";
        const auto state = root / ".local" / "state";
        const auto runtime = root / "runtime";
        for (const auto& dir : {config, data, cache, state, runtime, root / "Desktop"})
            std::filesystem::create_directories(dir);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        setenv("HOME", root.c_str(), 1);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        setenv("XDG_DATA_HOME", data.c_str(), 1);
        setenv("XDG_CACHE_HOME", cache.c_str(), 1);
        setenv("XDG_STATE_HOME", state.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }

    const std::filesystem::path& Root() const { return root_.Path(); }

private:
    const ScratchFolder root_;
};
