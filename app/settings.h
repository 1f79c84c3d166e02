#pragma once

#include <string>

// The base path: the start-up folder followed by one "/".
std::string basePathOf(const std::string &startupFolder);
