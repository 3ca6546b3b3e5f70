#ifndef LXLIBCOMPACTTEXT_H
#define LXLIBCOMPACTTEXT_H

#include <QString>

#include <cstdint>

namespace lxlib {

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
