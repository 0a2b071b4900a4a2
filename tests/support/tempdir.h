#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const;

    // Names of the entries in the folder, or in a folder within it, sorted.
    std::vector<std::string> entries(const std::string& folder = {}) const;

private:
    std::filesystem::path root;
};
