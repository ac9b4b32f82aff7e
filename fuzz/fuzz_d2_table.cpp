// The d2 table's reading: a tbld2.txt of any bytes, looked up as a study's calculation
// does. A lookup in range gives a value exactly when the file's first 144 lines are
// numbers (a UTF-8 byte-order mark before the first does no harm) and the number on the
// line of its group size and group count is above 0, and then that number; one out of
// range gives nothing. An input of odd size replaces the file instead of rewriting it, so
// both a changed and a replaced table are read.
#include "FuzzSupport.h"

#include "common/NumberText.h"
#include "rrstudy/modRR.h"

#include <QFile>

#include <array>
#include <cstring>

namespace {

constexpr int groupSizes = 9; // 2 to 10
constexpr int groupRows = 16; // group counts 1 to 15, and 16 and over

// The table as a plain split of the whole file reads it.
std::optional<std::array<double, groupSizes * groupRows>> expectedTable(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    const QList<QByteArray> lines = bytes.split('\n');
    if (lines.size() < groupSizes * groupRows)
        return std::nullopt;
    std::array<double, groupSizes * groupRows> table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto value =
            NumberText::toDouble(QString::fromLatin1(lines[qsizetype(i)]), QLocale::c());
        if (!value)
            return std::nullopt;
        table[i] = *value;
    }
    return table;
}

bool sameValue(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size % 2 == 1)
        QFile::remove(Fuzz::folder() + QStringLiteral("/tbld2.txt"));
    Fuzz::writeFile(QStringLiteral("tbld2.txt"), data, size);
    const auto expected =
        expectedTable(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));

    for (const auto& [m, g] :
         {std::pair{2, 1}, {10, 16}, {10, 40}, {6, 7}, {3, 15}, {1, 1}, {11, 1}, {2, 0}, {5, -3}}) {
        const std::optional<double> d2 = LookupD2(m, g, Fuzz::folder());
        if (m < 2 || m > 10 || g < 1) {
            Fuzz::check(!d2, "a group size or count out of range finds nothing");
            continue;
        }
        const int line = groupRows * (m - 2) + std::min(g, groupRows) - 1;
        // A value of 0 or below (a tiny one read as 0 too) is no d2 value.
        const bool usable = expected && (*expected)[std::size_t(line)] > 0;
        Fuzz::check(d2.has_value() == usable &&
                        (!d2 || sameValue(*d2, (*expected)[std::size_t(line)])),
                    "the lookup gives the number above 0 on its line of the table",
                    QStringLiteral("m %1 g %2: %3").arg(m).arg(g).arg(d2 ? *d2 : -1.0));
    }
    return 0;
}
