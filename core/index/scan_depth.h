#pragma once

// The scan walks the Poser folder's subfolders down to this level, the eighth, and no deeper;
// the read-ahead reads no deeper either.
constexpr int deepestLevel = 8;
