// Lower-casing and comparing UTF-8 names: compareFolded is a consistent order, lowersTo agrees
// with toLowerSimpleUtf8 on valid text, and invalid UTF-8 never equals valid text.
#include <QList>
#include <algorithm>

#include "fuzz/fuzz_support.h"
#include "platform/letter_case.h"

namespace {

int sign(int value) {
    return (value > 0) - (value < 0);
}

// The order of two valid UTF-8 names: their lower-cased code points, then their bytes.
int referenceOrder(QByteArrayView a, QByteArrayView b) {
    const QList<uint> la = toLowerSimple(QString::fromUtf8(a)).toUcs4();
    const QList<uint> lb = toLowerSimple(QString::fromUtf8(b)).toUcs4();
    if (la != lb) {
        return std::lexicographical_compare(la.begin(), la.end(), lb.begin(), lb.end()) ? -1 : 1;
    }
    return sign(a.compare(b));
}

}  // namespace

// Input: two names split at the first line end.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArrayView input = inputBytes(data, size);
    const qsizetype split = input.indexOf('\n');
    const QByteArrayView a = split < 0 ? input : input.first(split);
    const QByteArrayView b = split < 0 ? input.last(0) : input.sliced(split + 1);

    fuzzCheck(compareFolded(a, a) == 0 && compareFolded(b, b) == 0, "a name equals itself");
    fuzzCheck(compareFolded(a, b) == -compareFolded(b, a), "the order is antisymmetric");
    fuzzCheck((compareFolded(a, b) == 0) == (a == b), "only the same bytes compare equal");
    fuzzCheck(toLowerSimpleUtf8(a).isValidUtf8(), "lower-casing gives valid UTF-8");

    const bool validA = a.isValidUtf8();
    const bool validB = b.isValidUtf8();
    if (validA) {
        fuzzCheck(lowersTo(a, toLowerSimpleUtf8(a)), "valid text lowers to its lower case");
    }
    if (!validA && validB) {
        fuzzCheck(!lowersTo(a, toLowerSimpleUtf8(b)), "invalid UTF-8 never equals valid text");
    }
    if (validA && validB) {
        fuzzCheck(
            lowersTo(a, toLowerSimpleUtf8(b)) == (toLowerSimpleUtf8(a) == toLowerSimpleUtf8(b)),
            "lowersTo is equality of the lower cases");
        fuzzCheck(sign(compareFolded(a, b)) == referenceOrder(a, b),
                  "the order is that of the lower-cased code points, then the bytes");
    }
    return 0;
}
