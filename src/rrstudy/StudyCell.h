#pragma once

#include <QString>
#include <QStringView>

#include <cstring>
#include <optional>

// The text of one cell of an imported file, as the study keeps it: a study holds 90
// cells per feature and tens of thousands of features, so a short Latin-1 text (every
// number a CMM writes) lies in the cell itself and only a longer or other text takes
// a string of its own. A cell is read as a number in the C locale when a calculation
// uses it.
class StudyCell
{
public:
    StudyCell() noexcept { m_bytes[tagAt] = 0; }
    StudyCell(QStringView text) { assign(text); }
    StudyCell(const QString& text) : StudyCell(QStringView(text)) {}
    StudyCell(const char* text) : StudyCell(QString::fromUtf8(text)) {}
    StudyCell(const StudyCell& other);
    StudyCell(StudyCell&& other) noexcept
    {
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
        other.m_bytes[tagAt] = 0;
    }
    StudyCell& operator=(const StudyCell& other);
    StudyCell& operator=(StudyCell&& other) noexcept
    {
        if (this != &other) {
            release();
            std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
            other.m_bytes[tagAt] = 0;
        }
        return *this;
    }
    // The import stores millions of cells straight from the file's text.
    StudyCell& operator=(QStringView text)
    {
        release();
        assign(text);
        return *this;
    }
    StudyCell& operator=(const QString& text) { return *this = QStringView(text); }
    ~StudyCell() { release(); }

    QString text() const;
    operator QString() const { return text(); }
    bool isEmpty() const;

    // The cell as a number, as NumberText::toDouble reads it in the C locale; empty when
    // the text is not a number.
    std::optional<double> number() const;

    friend bool operator==(const StudyCell& a, const StudyCell& b) { return a.text() == b.text(); }
    friend bool operator==(const StudyCell& a, const QString& b) { return a.text() == b; }

private:
    static constexpr int inlineCapacity = 15;
    static constexpr int tagAt = inlineCapacity;
    static constexpr unsigned char onHeap = 0xff;

    bool isInline() const { return static_cast<unsigned char>(m_bytes[tagAt]) != onHeap; }
    QLatin1StringView inlineText() const { return QLatin1StringView(m_bytes, m_bytes[tagAt]); }
    QString* heapText() const;
    void assign(QStringView text);
    void release()
    {
        if (!isInline())
            deleteHeapText();
        m_bytes[tagAt] = 0;
    }
    void deleteHeapText();

    // Inline: up to 15 Latin-1 characters and their count in the last byte. On the
    // heap: a QString* in the first bytes and onHeap in the last.
    char m_bytes[inlineCapacity + 1];
};

// For test failure messages.
char* toString(const StudyCell& cell);
