#include "RowScaler.h"

#include <algorithm>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr int Channels = 4;

} // namespace

// In units where a source pixel is `to` long and a target pixel `from` long, both sides span
// from * to. A target's shares come from where its covered length crosses each 256th, so
// rounding never makes them sum to anything but 256.
std::vector<RowScaler::Share> RowScaler::Shares(int from, int to)
{
    const auto upTo = [from](qint64 length) { return quint32((length * 256 + from / 2) / from); };
    std::vector<Share> shares(size_t(std::max(from, 0)));
    for (int source = 0; source < from; ++source) {
        const qint64 start = qint64(source) * to;
        const qint64 end = start + to;
        const int first = int(start / from);
        const int last = int((end - 1) / from);
        const qint64 firstStart = qint64(first) * from;
        if (first == last)
            shares[size_t(source)] = {first, upTo(end - firstStart) - upTo(start - firstStart), 0};
        else
            shares[size_t(source)] = {first, 256 - upTo(start - firstStart), upTo(end - qint64(last) * from)};
    }
    return shares;
}

RowScaler::RowScaler(QSize from, QImage& into)
    : from_(from), into_(into), columns_(Shares(from.width(), into.width())),
      rows_(Shares(from.height(), into.height())), across_(size_t(into.width() + 1) * Channels),
      gathering_(size_t(into.width()) * Channels), next_(size_t(into.width()) * Channels)
{
    columnWeights_.reserve(columns_.size() * 2 * Channels);
    for (const Share& share : columns_) {
        columnWeights_.insert(columnWeights_.end(), Channels, quint16(share.ToFirst));
        columnWeights_.insert(columnWeights_.end(), Channels, quint16(share.ToNext));
    }
}

#ifdef __SSE2__
// A pixel's four channels go into its two targets at once, eight 16-bit lanes held in a register:
// the first four for the target it starts in, the others for the next one. A target's sums are
// stored once its last pixel is in; storing and reloading overlapping memory pixel by pixel
// would stall on every one.
void RowScaler::SpreadAcross(const quint32* row)
{
    quint16* sums = across_.data();
    const __m128i zero = _mm_setzero_si128();
    const auto* weights = reinterpret_cast<const __m128i*>(columnWeights_.data());
    __m128i two = zero;
    int target = 0;
    for (int x = 0; x < from_.width(); ++x) {
        const int first = columns_[size_t(x)].First;
        if (first != target) {
            _mm_storel_epi64(reinterpret_cast<__m128i*>(sums + qsizetype(target) * Channels), two);
            two = _mm_srli_si128(two, 8);
            target = first;
        }
        const __m128i pixel = _mm_unpacklo_epi8(_mm_set1_epi32(int(row[x])), zero);
        two = _mm_add_epi16(two, _mm_mullo_epi16(pixel, _mm_loadu_si128(weights + x)));
    }
    _mm_storel_epi64(reinterpret_cast<__m128i*>(sums + qsizetype(target) * Channels), two);
}
#else
void RowScaler::SpreadAcross(const quint32* row)
{
    std::fill(across_.begin(), across_.end(), 0);
    const uchar* bytes = reinterpret_cast<const uchar*>(row);
    for (int x = 0; x < from_.width(); ++x) {
        const Share& share = columns_[size_t(x)];
        quint16* first = across_.data() + qsizetype(share.First) * Channels;
        for (int c = 0; c < Channels; ++c) {
            first[c] = quint16(first[c] + share.ToFirst * bytes[x * Channels + c]);
            first[Channels + c] = quint16(first[Channels + c] + share.ToNext * bytes[x * Channels + c]);
        }
    }
}
#endif

void RowScaler::WriteRow(int targetRow)
{
    auto* out = reinterpret_cast<quint32*>(into_.scanLine(targetRow));
    const quint32* sums = gathering_.data();
    int x = 0;
#ifdef __SSE2__
    // Four pixels at a time: sixteen sums rounded, shifted and packed down to bytes.
    const __m128i half = _mm_set1_epi32(1 << 15);
    const __m128i opaque = _mm_set1_epi32(int(0xff000000u));
    const auto mean = [&](int at) {
        return _mm_srli_epi32(_mm_add_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(sums + at)), half), 16);
    };
    for (; x + 4 <= into_.width(); x += 4) {
        const int at = x * Channels;
        const __m128i low = _mm_packs_epi32(mean(at), mean(at + 4));
        const __m128i high = _mm_packs_epi32(mean(at + 8), mean(at + 12));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x), _mm_or_si128(_mm_packus_epi16(low, high), opaque));
    }
#endif
    for (; x < into_.width(); ++x) {
        uchar pixel[Channels];
        for (int c = 0; c < Channels; ++c)
            pixel[c] = uchar((sums[size_t(x) * Channels + c] + (1u << 15)) >> 16);
        std::memcpy(&out[x], pixel, sizeof pixel);
        out[x] |= 0xff000000u;
    }
}

void RowScaler::Add(const quint32* row)
{
    if (Finished())
        return;
    const Share& share = rows_[size_t(sourceRow_++)];
    if (share.First > targetRow_) {
        // Every source row covering the target row gathered so far is in. The next row's sums
        // are set, not added to, by the first source row that reaches it.
        WriteRow(targetRow_);
        gathering_.swap(next_);
        targetRow_ = share.First;
    }
    SpreadAcross(row);
    const size_t width = gathering_.size();
    const quint32 toFirst = share.ToFirst, toNext = share.ToNext;
    quint32* gathering = gathering_.data();
    quint32* next = next_.data();
    const quint16* across = across_.data();
    for (size_t i = 0; i < width; ++i)
        gathering[i] += toFirst * across[i];
    for (size_t i = 0; i < width; ++i)
        next[i] = toNext * across[i];
    if (Finished())
        WriteRow(targetRow_);
}
