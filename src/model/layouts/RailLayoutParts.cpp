// Helpers of the hand-laid railways.
#include "model/layouts/RailLayoutParts.h"

#include <algorithm>
#include <cstdlib>

namespace jamlog::raillayout {

void buildTrack(Builder& b, const TrackRow& t) {
    b.straightRaw(t.road, {.from = {t.x1, t.y1}, .to = {t.x2, t.y2}, .next = t.next0, .style = t.style});
    RoadRecord& r = b.model().road(t.road);
    r.next[1] = t.next1 < 0 ? t.next0 : t.next1;
    r.next[2] = t.next2 < 0 ? t.next0 : t.next2;
}

void buildTracks(Builder& b, std::initializer_list<TrackRow> rows) {
    for (const TrackRow& t : rows)
        buildTrack(b, t);
}

void hideMouth(NetworkModel& m, int track, int length, bool atStart) {
    RoadRecord& r = m.road(track);
    const int cells = std::min(length, r.length) / 10;
    if (cells <= 0)
        return;
    if (atStart)
        setCells(r.hiddenBits, 0, cells - 1, true);
    else
        setCells(r.hiddenBits, r.length / 10 - cells, r.length / 10 - 1, true);
}

void hideUnderX(RoadRecord& r, int32_t x, int half) {
    const int32_t lo = std::min(r.startX, r.endX()), hi = std::max(r.startX, r.endX());
    if (x <= lo || x >= hi)
        return;
    const int32_t along = std::abs(x - r.startX);
    setCells(r.hiddenBits, (along - half) / 10, (along + half) / 10, true);
}

template <size_t N> void append(std::array<Table10, N>& table, std::initializer_list<int> words) {
    for (Table10& rec : table) {
        if (rec[0] != 0)
            continue;
        rec.fill(0);
        std::copy(words.begin(), words.begin() + std::min(words.size(), rec.size()), rec.begin());
        return;
    }
}

void addRecord(std::array<Table10, 50>& table, std::initializer_list<int> words) {
    append(table, words);
}
void addRecord(std::array<Table10, 50>& table, const Table10& words) {
    for (Table10& rec : table)
        if (rec[0] == 0) {
            rec = words;
            return;
        }
}
void addPoints(NetworkModel& m, std::initializer_list<int> words) {
    append(m.signalPlans, words);
}

void addTwins(NetworkModel& m, int a, int b) {
    for (int t : {a, b}) {
        const int other = t == a ? b : a;
        bool added = false;
        for (Table10& rec : m.trainTableC) {
            if (rec[0] == 0)
                break;
            if (rec[1] != t)
                continue;
            for (size_t k = 2; k < rec.size() && !added; ++k)
                if (rec[k] == 0) {
                    rec[k] = other;
                    added = true;
                }
        }
        if (!added) // no record of the track yet, or its records are full: the railway reads every one of them
            addRecord(m.trainTableC, {1, t, other});
    }
}

} // namespace jamlog::raillayout
