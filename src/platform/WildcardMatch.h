#pragma once
// Windows' matching of a file name against the wildcard of a folder search: '*' stands for any run of
// characters, '?' for one character, letters compare without regard to case (Windows-1252), and dots
// and stars that remain at the end of the wildcard may match nothing, so "*.*" matches every name.
#include <string>

bool WildcardMatch(const std::string& Mask, const std::string& Name);
