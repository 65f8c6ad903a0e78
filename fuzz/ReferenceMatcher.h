#pragma once

#include <string>

// The "like" pattern rules written out plainly, one element of the pattern at a time, to
// check the fast matcher against. Slow on purpose: it tries every way a star can end.
bool referenceMatch(const std::u32string& pattern, const std::u32string& text);
