#pragma once

#include <cstddef>

// Asks the kernel to back the 2 MiB-aligned part of a large buffer with huge
// pages. A million-row import touches over 100 MB of fresh memory; with 4 KiB
// pages the page faults alone cost as much as parsing. Only a hint: harmless
// where transparent huge pages are off.
void AdviseHugePages(const void* data, std::size_t bytes);
