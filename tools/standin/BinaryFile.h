#pragma once

#include <string>
#include <vector>

// Writes bytes to a file in one go; on failure nothing is left behind and `error` says why.
bool writeBinaryFile(const std::string& path, const std::vector<unsigned char>& bytes, std::string& error);
