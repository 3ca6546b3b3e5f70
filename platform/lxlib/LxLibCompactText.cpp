#include "LxLibCompactText.h"

#include "LxLibPool.h"

#include <cstring>
#include <limits>
#include <new>

namespace lxlib {

LxLibCompactText::LxLibCompactText(const LxLibCompactText& other) { copyFrom(other); }

LxLibCompactText& LxLibCompactText::operator=(const LxLibCompactText& other)
{
    if (this != &other) {
        release();
        copyFrom(other);
    }
    return *this;
}

LxLibCompactText& LxLibCompactText::operator=(LxLibCompactText&& other) noexcept
{
    if (this != &other) {
        release();
        takeFrom(other);
    }
    return *this;
}

void* LxLibCompactText::reserve(std::size_t size, bool wide)
{
    if (!wide && size <= InlineCapacity) {
        setTag(static_cast<uint8_t>(size));
        return m_bytes;
    }
    // Strings come from a reader that caps their length far below this.
    if (size > std::numeric_limits<uint32_t>::max() / 2)
        throw std::bad_alloc();
    void* data = LxLibPool::allocate(size * (wide ? 2u : 1u));
    setHeld(data, static_cast<uint32_t>(size));
    setTag(wide ? HeldWide : HeldLatin1);
    return data;
}

void LxLibCompactText::assign(const QString& text)
{
    release();
    if (text.isEmpty())
        return;
    const QChar* chars = text.constData();
    const qsizetype n = text.size();
    bool wide = false;
    for (qsizetype i = 0; i < n && !wide; ++i)
        wide = chars[i].unicode() > 0xFF;
    void* to = reserve(std::size_t(n), wide);
    if (wide) {
        std::memcpy(to, chars, std::size_t(n) * 2);
    } else {
        auto* bytes = static_cast<unsigned char*>(to);
        for (qsizetype i = 0; i < n; ++i)
            bytes[i] = static_cast<unsigned char>(chars[i].unicode());
    }
}

QString LxLibCompactText::toString() const
{
    if (tag() == HeldWide)
        return QString(static_cast<const QChar*>(heldData()), heldSize());
    return QString::fromLatin1(reinterpret_cast<const char*>(latin1()), size());
}

LxLibCharacterSet::LxLibCharacterSet(QStringView characters)
{
    for (const QChar c : characters)
        if (c.unicode() <= 0xFF)
            m_in[c.unicode()] = true;
}

bool LxLibCompactText::consistsOf(const LxLibCharacterSet& allowed) const
{
    const qsizetype n = size();
    if (tag() != HeldWide) {
        // Nearly every vector passes: test four characters at once, without a branch each.
        const unsigned char* bytes = latin1();
        qsizetype i = 0;
        for (; i + 4 <= n; i += 4)
            if (!(allowed.contains(bytes[i]) & allowed.contains(bytes[i + 1]) & allowed.contains(bytes[i + 2]) &
                  allowed.contains(bytes[i + 3])))
                return false;
        for (; i < n; ++i)
            if (!allowed.contains(bytes[i]))
                return false;
        return true;
    }
    const auto* chars = static_cast<const char16_t*>(heldData());
    for (qsizetype i = 0; i < n; ++i)
        if (!allowed.contains(chars[i]))
            return false;
    return true;
}

void LxLibCompactText::assignAscii(const char* text, qsizetype size)
{
    release();
    if (size > 0)
        std::memcpy(reserve(std::size_t(size), false), text, std::size_t(size));
}

void LxLibCompactText::copyFrom(const LxLibCompactText& other)
{
    if (!other.isHeld()) {
        // A copy of fixed size is a few moves; one of the text's own length is a call.
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        return;
    }
    std::memcpy(reserve(other.heldSize(), other.tag() == HeldWide), other.heldData(), other.heldBytes());
}

void LxLibCompactText::releaseHeld() noexcept
{
    LxLibPool::release(heldData(), heldBytes());
}

} // namespace lxlib
