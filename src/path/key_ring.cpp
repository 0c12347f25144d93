#include "path/key_ring.h"

#include <algorithm>

namespace {
constexpr size_t WORD_BITS = 64;
constexpr size_t WORD_SHIFT = 6;
// One summary word covers the smallest ring.
constexpr size_t SMALLEST_RING = WORD_BITS * WORD_BITS;

size_t roundUpToPowerOfTwo(size_t n) {
    size_t power = SMALLEST_RING;
    while (power < n)
        power *= 2;
    return power;
}

uint64_t bitOf(size_t at) {
    return uint64_t{1} << (at % WORD_BITS);
}

int lowestBit(uint64_t bits) {
    return __builtin_ctzll(bits);
}
} // namespace

void KeyRing::reset(size_t keys) {
    const size_t size = std::max(slots.size(), roundUpToPowerOfTwo(keys));
    slots.assign(size, nullptr);
    words.assign(size / WORD_BITS, 0);
    summary.assign(words.size() / WORD_BITS, 0);
    mask = static_cast<uint32_t>(size - 1);
}

void KeyRing::set(int32_t key, SearchNode* record) {
    const size_t at = static_cast<uint32_t>(key) & mask;
    const size_t word = at >> WORD_SHIFT;
    slots[at] = record;
    words[word] |= bitOf(at);
    summary[word >> WORD_SHIFT] |= bitOf(word);
}

void KeyRing::unset(int32_t key) {
    const size_t at = static_cast<uint32_t>(key) & mask;
    const size_t word = at >> WORD_SHIFT;
    words[word] &= ~bitOf(at);
    if (!words[word])
        summary[word >> WORD_SHIFT] &= ~bitOf(word);
}

SearchNode* KeyRing::firstIn(size_t word) const {
    return slots[(word << WORD_SHIFT) | static_cast<size_t>(lowestBit(words[word]))];
}

SearchNode* KeyRing::atOrAfter(int32_t key) const {
    const size_t at = static_cast<uint32_t>(key) & mask;
    const size_t word = at >> WORD_SHIFT;
    const uint64_t here = words[word] & (~uint64_t{0} << (at % WORD_BITS));
    if (here)
        return slots[(word << WORD_SHIFT) | static_cast<size_t>(lowestBit(here))];
    // The words after this one, round the ring; the last look wraps back to the start.
    const size_t from = (word + 1) & (words.size() - 1);
    const size_t first = from >> WORD_SHIFT;
    for (size_t i = 0; i <= summary.size(); ++i) {
        const size_t s = (first + i) % summary.size();
        uint64_t bits = summary[s];
        if (i == 0)
            bits &= ~uint64_t{0} << (from % WORD_BITS);
        if (bits)
            return firstIn((s << WORD_SHIFT) | static_cast<size_t>(lowestBit(bits)));
    }
    return nullptr;
}
