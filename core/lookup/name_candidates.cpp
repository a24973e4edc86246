#include "core/lookup/name_candidates.h"

#ifdef __x86_64__
#include <immintrin.h>
#endif

namespace {

// With bit 0x20 set, an ASCII letter no longer shows its case.
constexpr char caseBit = 0x20;

#ifdef __x86_64__

// With these bits set, LF, CR and "." all become one byte: what follows a name at its line's
// end or before its extension.
constexpr char nameEndBits = 0x27;
constexpr char nameEnd = 0x2F;

struct Shape {
    char first;
    char last;
    std::size_t length;
};

// Each block holds the places `at` to `at` + 15 and needs the bytes up to one past the name's
// end from its last place; past `end` the caller looks at every place.
std::size_t nextBySse2(const char* text, std::size_t at, std::size_t end, Shape name) {
    const __m128i caseBits = _mm_set1_epi8(caseBit);
    const __m128i firsts = _mm_set1_epi8(name.first);
    const __m128i lasts = _mm_set1_epi8(name.last);
    const __m128i endBits = _mm_set1_epi8(nameEndBits);
    const __m128i ends = _mm_set1_epi8(nameEnd);
    for (; at + 16 + name.length <= end; at += 16) {
        const auto* block = reinterpret_cast<const __m128i*>(text + at);
        const __m128i heads = _mm_loadu_si128(block);
        const __m128i tails =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at + name.length - 1));
        const __m128i afters =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + at + name.length));
        const __m128i fit =
            _mm_and_si128(_mm_and_si128(_mm_cmpeq_epi8(_mm_or_si128(heads, caseBits), firsts),
                                        _mm_cmpeq_epi8(_mm_or_si128(tails, caseBits), lasts)),
                          _mm_cmpeq_epi8(_mm_or_si128(afters, endBits), ends));
        const int found = _mm_movemask_epi8(fit);
        if (found != 0) {
            return at + std::size_t(__builtin_ctz(unsigned(found)));
        }
    }
    return at;
}

__attribute__((target("avx2"))) std::size_t nextByAvx2(const char* text, std::size_t at,
                                                       std::size_t end, Shape name) {
    const __m256i caseBits = _mm256_set1_epi8(caseBit);
    const __m256i firsts = _mm256_set1_epi8(name.first);
    const __m256i lasts = _mm256_set1_epi8(name.last);
    const __m256i endBits = _mm256_set1_epi8(nameEndBits);
    const __m256i ends = _mm256_set1_epi8(nameEnd);
    for (; at + 32 + name.length <= end; at += 32) {
        const __m256i heads = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + at));
        const __m256i tails =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + at + name.length - 1));
        const __m256i afters =
            _mm256_loadu_si256(reinterpret_cast<const __m256i*>(text + at + name.length));
        const __m256i fit = _mm256_and_si256(
            _mm256_and_si256(_mm256_cmpeq_epi8(_mm256_or_si256(heads, caseBits), firsts),
                             _mm256_cmpeq_epi8(_mm256_or_si256(tails, caseBits), lasts)),
            _mm256_cmpeq_epi8(_mm256_or_si256(afters, endBits), ends));
        const int found = _mm256_movemask_epi8(fit);
        if (found != 0) {
            return at + std::size_t(__builtin_ctz(unsigned(found)));
        }
    }
    return at;
}

#endif

}  // namespace

NameCandidates::NameCandidates(std::string_view asciiName, [[maybe_unused]] VectorWidth width)
    : first(char(asciiName.front() | caseBit)),
      last(char(asciiName.back() | caseBit)),
      length(asciiName.size()),
#ifdef __x86_64__
      // AVX2 halves the time of the search where the processor and the system have it.
      avx2(width == VectorWidth::Widest && __builtin_cpu_supports("avx2"))
#else
      avx2(false)
#endif
{
}

std::size_t NameCandidates::next([[maybe_unused]] std::string_view text, std::size_t from) const {
#ifdef __x86_64__
    const Shape name{first, last, length};
    return avx2 ? nextByAvx2(text.data(), from, text.size(), name)
                : nextBySse2(text.data(), from, text.size(), name);
#else
    // Without x86's vector units every place is a candidate, and the caller looks at each.
    return from;
#endif
}
