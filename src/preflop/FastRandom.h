#pragma once

#include <cstdint>

namespace tallyhand {

// A small, fast generator (wyrand) with unbiased bounded draws; each 64-bit
// output serves two draws.
class FastRandom {
public:
    explicit FastRandom(std::uint64_t seed) : m_state(seed) {}

    std::uint64_t next()
    {
        m_state += 0xa0761d6478bd642fULL;
        __extension__ using Wide = unsigned __int128;
        const Wide product = static_cast<Wide>(m_state) * (m_state ^ 0xe7037ed1a0b428dbULL);
        return static_cast<std::uint64_t>(product >> 64) ^ static_cast<std::uint64_t>(product);
    }

    std::uint32_t next32()
    {
        if (m_haveHalf) {
            m_haveHalf = false;
            return m_half;
        }
        const std::uint64_t r = next();
        m_half = static_cast<std::uint32_t>(r >> 32);
        m_haveHalf = true;
        return static_cast<std::uint32_t>(r);
    }

    // Uniform in [0, bound), bound > 0 (multiply-and-reject).
    std::uint32_t below(std::uint32_t bound)
    {
        std::uint64_t m = std::uint64_t{next32()} * bound;
        auto low = static_cast<std::uint32_t>(m);
        if (low < bound) [[unlikely]] {
            const std::uint32_t threshold = (0u - bound) % bound;
            while (low < threshold) {
                m = std::uint64_t{next32()} * bound;
                low = static_cast<std::uint32_t>(m);
            }
        }
        return static_cast<std::uint32_t>(m >> 32);
    }

    // K draws at once, draw i uniform in [0, first - i), from one 64-bit output
    // (batched multiply-and-reject: exactly uniform). `product` is
    // first * (first - 1) * ... * (first - K + 1) and `threshold` 2^64 mod product,
    // both from batchBounds.
    template <int K>
    void drawDescending(std::uint32_t first, std::uint64_t product, std::uint64_t threshold, std::uint32_t* out)
    {
        __extension__ using Wide = unsigned __int128;
        for (;;) {
            std::uint64_t x = next();
#pragma GCC unroll 8
            for (int i = 0; i < K; ++i) {
                const Wide m = static_cast<Wide>(x) * (first - static_cast<std::uint32_t>(i));
                out[i] = static_cast<std::uint32_t>(m >> 64);
                x = static_cast<std::uint64_t>(m);
            }
            if (x >= product || x >= threshold) [[likely]]
                return;
        }
    }

    static std::uint64_t batchProduct(std::uint32_t first, int k)
    {
        std::uint64_t product = 1;
        for (int i = 0; i < k; ++i)
            product *= first - static_cast<std::uint32_t>(i);
        return product;
    }
    static std::uint64_t batchThreshold(std::uint64_t product) { return (0 - product) % product; }

    // A well-spread seed for stream `index` of a run seeded with `seed`.
    static std::uint64_t streamSeed(std::uint64_t seed, std::uint64_t index)
    {
        std::uint64_t z = seed + (index + 1) * 0x9E3779B97F4A7C15ULL;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t m_state;
    std::uint32_t m_half = 0;
    bool m_haveHalf = false;
};

} // namespace tallyhand
