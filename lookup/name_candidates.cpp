#include "lookup/name_candidates.h"

#ifdef __x86_64__
#include <immintrin.h>
// glibc's header is C: clang, unlike g++, takes no _Bool in C++.
#ifdef __clang__
#define _Bool bool
#endif
#include <sys/platform/x86.h>
#undef _Bool
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
    qsizetype length;
};

// Each block holds the places `at` to `at` + 15 and needs the bytes up to one past the name's
// end from its last place; past `end` the caller looks at every place.
qsizetype nextBySse2(const char* text, qsizetype at, qsizetype end, Shape name) {
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
        // A byte beyond ASCII has its top bit set, as a place that fits has.
        const int found = _mm_movemask_epi8(_mm_or_si128(fit, heads));
        if (found != 0) {
            return at + __builtin_ctz(unsigned(found));
        }
    }
    return at;
}

__attribute__((target("avx2"))) qsizetype nextByAvx2(const char* text, qsizetype at, qsizetype end,
                                                     Shape name) {
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
        const int found = _mm256_movemask_epi8(_mm256_or_si256(fit, heads));
        if (found != 0) {
            return at + __builtin_ctz(unsigned(found));
        }
    }
    return at;
}

#endif

}  // namespace

NameCandidates::NameCandidates(QByteArrayView asciiName)
    : first(char(asciiName.front() | caseBit)),
      last(char(asciiName.back() | caseBit)),
      length(asciiName.size()) {}

qsizetype NameCandidates::next([[maybe_unused]] QByteArrayView text, qsizetype from) const {
#ifdef __x86_64__
    // AVX2 halves the time of the search where the processor has it; glibc's tunables can turn
    // it off (GLIBC_TUNABLES=glibc.cpu.hwcaps=-AVX2), which the tests do to take the SSE2 way.
    static const bool hasAvx2 = CPU_FEATURE_ACTIVE(AVX2);
    const Shape name{first, last, length};
    return hasAvx2 ? nextByAvx2(text.constData(), from, text.size(), name)
                   : nextBySse2(text.constData(), from, text.size(), name);
#else
    // Without x86's vector units every place is a candidate, and the caller looks at each.
    return from;
#endif
}
