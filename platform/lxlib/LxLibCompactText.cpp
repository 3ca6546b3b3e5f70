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

void LxLibCompactText::assign(const QString& text)
{
    release();
    if (text.isEmpty())
        return;
    // Strings come from a reader that caps their length far below this.
    if (text.size() > qsizetype(std::numeric_limits<uint32_t>::max() / 2))
        throw std::bad_alloc();
    const QChar* chars = text.constData();
    const qsizetype n = text.size();
    bool wide = false;
    for (qsizetype i = 0; i < n && !wide; ++i)
        wide = chars[i].unicode() > 0xFF;
    m_size = static_cast<uint32_t>(n);
    m_wide = wide;
    m_data = LxLibPool::allocate(byteCount());
    if (wide) {
        std::memcpy(m_data, chars, byteCount());
    } else {
        auto* bytes = static_cast<unsigned char*>(m_data);
        for (qsizetype i = 0; i < n; ++i)
            bytes[i] = static_cast<unsigned char>(chars[i].unicode());
    }
}

LxLibCharacterSet::LxLibCharacterSet(QStringView characters)
{
    for (const QChar c : characters)
        if (c.unicode() <= 0xFF)
            m_in[c.unicode()] = true;
}

bool LxLibCompactText::consistsOf(const LxLibCharacterSet& allowed) const
{
    if (!m_wide) {
        const auto* bytes = static_cast<const unsigned char*>(m_data);
        for (uint32_t i = 0; i < m_size; ++i)
            if (!allowed.contains(bytes[i]))
                return false;
        return true;
    }
    const auto* chars = static_cast<const char16_t*>(m_data);
    for (uint32_t i = 0; i < m_size; ++i)
        if (!allowed.contains(chars[i]))
            return false;
    return true;
}

void LxLibCompactText::assignAscii(const char* text, qsizetype size)
{
    release();
    if (size <= 0)
        return;
    if (size > qsizetype(std::numeric_limits<uint32_t>::max() / 2))
        throw std::bad_alloc();
    m_size = static_cast<uint32_t>(size);
    m_data = LxLibPool::allocate(m_size);
    std::memcpy(m_data, text, m_size);
}

QString LxLibCompactText::toString() const
{
    if (m_size == 0)
        return QString();
    if (m_wide)
        return QString(static_cast<const QChar*>(m_data), m_size);
    return QString::fromLatin1(static_cast<const char*>(m_data), m_size);
}

void LxLibCompactText::copyFrom(const LxLibCompactText& other)
{
    if (other.m_size == 0)
        return;
    m_data = LxLibPool::allocate(other.byteCount());
    m_size = other.m_size;
    m_wide = other.m_wide;
    std::memcpy(m_data, other.m_data, byteCount());
}

void LxLibCompactText::takeFrom(LxLibCompactText& other) noexcept
{
    m_data = other.m_data;
    m_size = other.m_size;
    m_wide = other.m_wide;
    other.m_data = nullptr;
    other.m_size = 0;
}

void LxLibCompactText::release() noexcept
{
    if (m_data)
        LxLibPool::release(m_data, byteCount());
    m_data = nullptr;
    m_size = 0;
    m_wide = false;
}

} // namespace lxlib
