#pragma once

#include <string>

// The whole contents of a file, or nothing when it can't be read.
std::string readFile(const std::string& path);
// Replaces the file's contents with bytes; throws when that fails, so a
// test never goes on from an input it didn't write.
void writeFile(const std::string& path, const std::string& bytes);
