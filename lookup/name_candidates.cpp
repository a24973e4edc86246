#include "lookup/name_candidates.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

// With bit 0x20 set, an ASCII letter no longer shows its case.
constexpr char caseBit = 0x20;
// With these bits set, LF, CR and "." all become one byte: what follows a name at its line's
// end or before its extension.
constexpr char nameEndBits = 0x27;
constexpr char nameEnd = 0x2F;

}  // namespace

NameCandidates::NameCandidates(QByteArrayView asciiName)
    : first(char(asciiName.front() | caseBit)),
      last(char(asciiName.back() | caseBit)),
      length(asciiName.size()) {}

#ifdef __SSE2__

// Each block of 16 places needs the bytes up to one past the name's end from its last place;
// past `end` every place is a candidate.
qsizetype NameCandidates::next(QByteArrayView text, qsizetype from) const {
    const char* bytes = text.constData();
    const __m128i caseBits = _mm_set1_epi8(caseBit);
    const __m128i firsts = _mm_set1_epi8(first);
    const __m128i lasts = _mm_set1_epi8(last);
    const __m128i endBits = _mm_set1_epi8(nameEndBits);
    const __m128i ends = _mm_set1_epi8(nameEnd);
    qsizetype at = from;
    for (; at + 16 + length <= text.size(); at += 16) {
        const __m128i heads = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at));
        const __m128i tails =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at + length - 1));
        const __m128i afters =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + at + length));
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

#else

// Without a vector unit every place is a candidate, and the caller looks at each.
qsizetype NameCandidates::next(QByteArrayView /*text*/, qsizetype from) const {
    return from;
}

#endif
