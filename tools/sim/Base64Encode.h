// Standard Base64 encoding (with "=" padding) for the simulator's line-query answer.
#pragma once

#include <string>

std::string Base64Encode(const std::string& bytes);
