#include "rrstudy/StudyCell.h"

#include "common/NumberText.h"


static_assert(sizeof(StudyCell) == 16);

void StudyCell::assign(QStringView text)
{
    if (text.size() <= inlineCapacity) {
        qsizetype i = 0;
        while (i < text.size() && text[i].unicode() < 0x100) {
            m_bytes[i] = char(text[i].unicode());
            ++i;
        }
        if (i == text.size()) {
            m_bytes[tagAt] = char(text.size());
            return;
        }
    }
    QString* heap = new QString(text.toString());
    std::memcpy(m_bytes, &heap, sizeof heap);
    m_bytes[tagAt] = char(onHeap);
}

QString* StudyCell::heapText() const
{
    QString* heap = nullptr;
    std::memcpy(&heap, m_bytes, sizeof heap);
    return heap;
}

void StudyCell::deleteHeapText()
{
    delete heapText();
}

StudyCell::StudyCell(const StudyCell& other)
{
    if (other.isInline())
        std::memcpy(m_bytes, other.m_bytes, sizeof m_bytes);
    else
        assign(*other.heapText());
}

StudyCell& StudyCell::operator=(const StudyCell& other)
{
    if (this != &other) {
        StudyCell copy(other);
        *this = std::move(copy);
    }
    return *this;
}

QString StudyCell::text() const
{
    return isInline() ? QString(inlineText()) : *heapText();
}

bool StudyCell::isEmpty() const
{
    return isInline() ? m_bytes[tagAt] == 0 : heapText()->isEmpty();
}

std::optional<double> StudyCell::number() const
{
    if (isInline())
        return NumberText::cNumber(inlineText());
    return NumberText::toDouble(*heapText(), QLocale::c());
}

char* toString(const StudyCell& cell)
{
    return qstrdup(cell.text().toUtf8().constData());
}
