#pragma once

#include <cstdint>

// How often the calling thread has given up the processor to wait (for the disk, say): a read
// that made it wait came from a cold disk, one served from memory did not. Only differences
// between two calls on one thread mean anything. Windows keeps no such count: there it stays 0.
std::uint64_t waitsOfThisThread();
