#ifndef LXLIBCOMPACTTEXT_H
#define LXLIBCOMPACTTEXT_H

#include <QString>
#include <QStringView>

#include <cstdint>
#include <cstring>

namespace lxlib {

// A set of Latin-1 characters, made once, that many texts are tested against.
class LxLibCharacterSet
{
public:
    explicit LxLibCharacterSet(QStringView characters);
    bool contains(char16_t c) const { return c <= 0xFF && m_in[c]; }

private:
    bool m_in[256] = {};
};

// Text held in the library's pool: one byte per character when every character
// is Latin-1, as the characters of vectors are, two bytes otherwise. A large
// model holds hundreds of thousands of vectors, and a QString of each would
// cost a general allocation with twice the bytes. Latin-1 text of up to
// InlineCapacity characters, as most vectors are, is kept in the object itself.
class LxLibCompactText
{
public:
    static constexpr std::size_t InlineCapacity = 23;

    LxLibCompactText() = default;
    explicit LxLibCompactText(const QString& text) { assign(text); }
    LxLibCompactText(const LxLibCompactText& other);
    LxLibCompactText& operator=(const LxLibCompactText& other);
    LxLibCompactText(LxLibCompactText&& other) noexcept { takeFrom(other); }
    LxLibCompactText& operator=(LxLibCompactText&& other) noexcept;
    ~LxLibCompactText() { release(); }

    void assign(const QString& text);
    QString toString() const;
    // Whether every character is one of allowed: checks the vectors of a large
    // model without making a QString of each.
    bool consistsOf(const LxLibCharacterSet& allowed) const;
    // Takes bytes that are all below 0x80, as most strings of a model file are.
    void assignAscii(const char* text, qsizetype size);
    qsizetype size() const { return isHeld() ? qsizetype(heldSize()) : qsizetype(tag()); }
    bool isEmpty() const { return size() == 0; }

private:
    // The last byte is the tag: the length of inline text, or where the text
    // lives in the pool. Held text keeps its pointer and length in the bytes
    // before it, so that the whole text takes 24 bytes.
    static constexpr uint8_t HeldLatin1 = 0xFE;
    static constexpr uint8_t HeldWide = 0xFF;

    uint8_t tag() const { return m_bytes[InlineCapacity]; }
    void setTag(uint8_t tag) { m_bytes[InlineCapacity] = tag; }
    void* heldData() const
    {
        void* data;
        std::memcpy(&data, m_bytes, sizeof data);
        return data;
    }
    uint32_t heldSize() const
    {
        uint32_t size;
        std::memcpy(&size, m_bytes + sizeof(void*), sizeof size);
        return size;
    }
    void setHeld(void* data, uint32_t size)
    {
        std::memcpy(m_bytes, &data, sizeof data);
        std::memcpy(m_bytes + sizeof(void*), &size, sizeof size);
    }
    bool isHeld() const { return tag() >= HeldLatin1; }
    std::size_t heldBytes() const { return heldSize() * (tag() == HeldWide ? 2u : 1u); }
    // Room for size characters of the given width, inline when they fit.
    void* reserve(std::size_t size, bool wide);
    const unsigned char* latin1() const
    {
        return tag() == HeldLatin1 ? static_cast<const unsigned char*>(heldData()) : m_bytes;
    }
    void copyFrom(const LxLibCompactText& other);
    // Moves other's text here and leaves other empty; this holds nothing yet.
    // Inline text or the pool's pointer: either way the bytes move as they are.
    void takeFrom(LxLibCompactText& other) noexcept
    {
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        other.setTag(0);
    }
    // Inline, as most texts are inline and a model frees hundreds of thousands.
    void release() noexcept
    {
        if (isHeld())
            releaseHeld();
        setTag(0);
    }
    void releaseHeld() noexcept;

    alignas(void*) unsigned char m_bytes[InlineCapacity + 1] = {};
};

} // namespace lxlib

#endif
