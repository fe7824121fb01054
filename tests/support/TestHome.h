#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

// Points HOME and the XDG folders at a fresh temporary folder for the life of a test program, so that no
// test reads or writes the user's real desktop, settings, trash or undo journal. The folder is removed at the
// end.
class TestHome {
public:
    TestHome() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tsw-home-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary home folder");
        root_ = pattern;
        const auto config = root_ / ".config";
        const auto data = root_ / ".local" / "share";
        const auto cache = root_ / ".cache";
        const auto state = root_ / ".local" / "state";
        const auto runtime = root_ / "runtime";
        for (const auto& dir : {config, data, cache, state, runtime, root_ / "Desktop"})
            std::filesystem::create_directories(dir);
        std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
        setenv("HOME", root_.c_str(), 1);
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        setenv("XDG_DATA_HOME", data.c_str(), 1);
        setenv("XDG_CACHE_HOME", cache.c_str(), 1);
        setenv("XDG_STATE_HOME", state.c_str(), 1);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    ~TestHome() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    const std::filesystem::path& Root() const { return root_; }

private:
    std::filesystem::path root_;
};
