// Whole-word operations on the 800-bit cell bitmaps of lanes and hidden cells: bit b covers cells [10b, 10b+10).
#pragma once
#include <cstdint>

namespace jamlog {

constexpr int cellBits = 800;
constexpr int cellWords = cellBits / 32;

// Mask of bits lo..hi (inclusive) within one 32-bit word, 0 <= lo <= hi <= 31.
constexpr uint32_t wordMask(int lo, int hi) {
    return (hi == 31 ? ~0u : ((1u << (hi + 1)) - 1u)) & ~((1u << lo) - 1u);
}

// Clamps a cell range to the bitmap; returns false when nothing of it remains.
constexpr bool clampCells(int& from, int& to) {
    if (from < 0) from = 0;
    if (to >= cellBits) to = cellBits - 1;
    return from <= to;
}

// True when any bit of cells from..to (inclusive) is set. Cells outside 0..799 are ignored.
inline bool anyCellSet(const uint32_t* bits, int from, int to) {
    if (!clampCells(from, to)) return false;
    int wf = from >> 5, wt = to >> 5;
    if (wf == wt) return (bits[wf] & wordMask(from & 31, to & 31)) != 0;
    if (bits[wf] & wordMask(from & 31, 31)) return true;
    for (int w = wf + 1; w < wt; ++w)
        if (bits[w]) return true;
    return (bits[wt] & wordMask(0, to & 31)) != 0;
}

// Sets (value true) or clears cells from..to (inclusive). Cells outside 0..799 are skipped.
inline void setCells(uint32_t* bits, int from, int to, bool value) {
    if (!clampCells(from, to)) return;
    int wf = from >> 5, wt = to >> 5;
    auto apply = [&](int w, uint32_t m) { bits[w] = value ? (bits[w] | m) : (bits[w] & ~m); };
    if (wf == wt) {
        apply(wf, wordMask(from & 31, to & 31));
        return;
    }
    apply(wf, wordMask(from & 31, 31));
    for (int w = wf + 1; w < wt; ++w) bits[w] = value ? ~0u : 0u;
    apply(wt, wordMask(0, to & 31));
}

inline bool cellSet(const uint32_t* bits, int cell) {
    return cell >= 0 && cell < cellBits && (bits[cell >> 5] >> (cell & 31)) & 1u;
}

// Number of set bits among cells from..to (inclusive).
inline int countCells(const uint32_t* bits, int from, int to) {
    if (!clampCells(from, to)) return 0;
    int wf = from >> 5, wt = to >> 5, n = 0;
    for (int w = wf; w <= wt; ++w) {
        uint32_t m = wordMask(w == wf ? (from & 31) : 0, w == wt ? (to & 31) : 31);
        n += __builtin_popcount(bits[w] & m);
    }
    return n;
}

} // namespace jamlog
