// The program's 15-bit linear congruential generator: one instance per owner, values 0..32767.
#pragma once
#include <cstdint>

namespace jamlog {

class Rng {
public:
    static constexpr int maxValue = 0x7FFF;
    explicit Rng(uint32_t seed = 1) : state(seed) {}
    void seed(uint32_t s) { state = s; }
    int next() {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
    uint32_t currentState() const { return state; }

private:
    uint32_t state;
};

} // namespace jamlog
