#include "core/TPLU.h"

#include <cstring>

namespace {
template <size_t N> void copyCut(char (&dst)[N], const QByteArray &src)
{
    std::memset(dst, 0, N);
    const size_t n = std::min(static_cast<size_t>(src.size()), N - 1);
    std::memcpy(dst, src.constData(), n);
}

template <size_t N> QByteArray bytesOf(const char (&src)[N])
{
    return QByteArray(src, static_cast<int>(strnlen(src, N)));
}
} // namespace

void TPLU::setPluNameBytes(const QByteArray &bytes)
{
    copyCut(PluName, bytes);
}

void TPLU::setCodeBytes(const QByteArray &bytes)
{
    copyCut(Code, bytes);
}

QByteArray TPLU::pluNameBytes() const
{
    return bytesOf(PluName);
}

QByteArray TPLU::codeBytes() const
{
    return bytesOf(Code);
}
