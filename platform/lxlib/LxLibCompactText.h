#ifndef LXLIBCOMPACTTEXT_H
#define LXLIBCOMPACTTEXT_H

#include <QString>
#include <QStringView>

#include <cstdint>

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
// cost a general allocation with twice the bytes.
class LxLibCompactText
{
public:
    LxLibCompactText() = default;
    explicit LxLibCompactText(const QString& text) { assign(text); }
    LxLibCompactText(const LxLibCompactText& other);
    LxLibCompactText& operator=(const LxLibCompactText& other);
    LxLibCompactText(LxLibCompactText&& other) noexcept;
    LxLibCompactText& operator=(LxLibCompactText&& other) noexcept;
    ~LxLibCompactText() { release(); }

    void assign(const QString& text);
    QString toString() const;
    // Whether every character is one of allowed: checks the vectors of a large
    // model without making a QString of each.
    bool consistsOf(const LxLibCharacterSet& allowed) const;
    // Takes bytes that are all below 0x80, as most strings of a model file are.
    void assignAscii(const char* text, qsizetype size);
    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }

private:
    std::size_t byteCount() const { return m_size * (m_wide ? 2u : 1u); }
    void copyFrom(const LxLibCompactText& other);
    // Moves other's text here and leaves other empty; this holds nothing yet.
    void takeFrom(LxLibCompactText& other) noexcept;
    void release() noexcept;

    void* m_data = nullptr;
    uint32_t m_size = 0;
    bool m_wide = false;
};

} // namespace lxlib

#endif
