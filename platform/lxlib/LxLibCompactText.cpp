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

LxLibCompactText::LxLibCompactText(LxLibCompactText&& other) noexcept { takeFrom(other); }

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
        m_tag = static_cast<uint8_t>(size);
        return m_inline;
    }
    // Strings come from a reader that caps their length far below this.
    if (size > std::numeric_limits<uint32_t>::max() / 2)
        throw std::bad_alloc();
    m_heap.size = static_cast<uint32_t>(size);
    m_tag = wide ? HeldWide : HeldLatin1;
    m_heap.data = LxLibPool::allocate(heldBytes());
    return m_heap.data;
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
    if (m_tag == HeldWide)
        return QString(static_cast<const QChar*>(m_heap.data), m_heap.size);
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
    if (m_tag != HeldWide) {
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
    const auto* chars = static_cast<const char16_t*>(m_heap.data);
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
        std::memcpy(m_inline, other.m_inline, InlineCapacity);
        m_tag = other.m_tag;
        return;
    }
    std::memcpy(reserve(other.m_heap.size, other.m_tag == HeldWide), other.m_heap.data, other.heldBytes());
}

void LxLibCompactText::takeFrom(LxLibCompactText& other) noexcept
{
    // Inline text or the pool's pointer: either way the bytes move as they are.
    std::memcpy(m_inline, other.m_inline, InlineCapacity);
    m_tag = other.m_tag;
    other.m_tag = 0;
}

void LxLibCompactText::release() noexcept
{
    if (isHeld())
        LxLibPool::release(m_heap.data, heldBytes());
    m_tag = 0;
}

} // namespace lxlib
