// File names for saving uploads: the renaming that avoids a clash with a
// file already in the folder, and the test of a name against a list of
// allowed extensions.
#pragma once

#include <string>
#include <string_view>

namespace corvela::upload {

// How many other names UniqueName tries before it gives up: each ninth try
// adds a digit, so this many tries make a name about 110 digits longer.
inline constexpr int kMaxRenameAttempts = 1000;

// The text after the last "." ("" without one) and the text before it (the
// whole name without one).
std::string_view GetExtension(std::string_view name);
std::string_view StripExtension(std::string_view name);

// The name after `candidate` in the renaming order: a.gif, a1.gif, ...,
// a9.gif, a91.gif, ... (a name without extension gets no "." added).
std::string nextCandidate(std::string_view candidate);

// `name` when nothing of that name is in the folder, else the first name in
// the renaming order that is free; kNoFreeNameError after
// kMaxRenameAttempts taken names. The name returned is claimed with an
// empty file, which the caller writes over (or removes when it cannot).
std::string UniqueName(std::string_view folder, std::string_view name);

// True when the extension of `file` (after its last ".", compared without
// regard to case) is one of the ";"-separated entries of `tag`. An empty tag
// allows only names without an extension; a leading "." of an entry is
// ignored.
bool extensionAllowed(std::string_view file, std::string_view tag);

}  // namespace corvela::upload
