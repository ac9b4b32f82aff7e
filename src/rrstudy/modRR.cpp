#include "rrstudy/modRR.h"

#include "common/AppPaths.h"
#include "common/NumberText.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cmath>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>
#endif

namespace {

constexpr int d2SmallestGroup = 2;
constexpr int d2LargestGroup = 10;
constexpr int d2RowsPerGroup = 16;
constexpr int d2LineCount = d2RowsPerGroup * (d2LargestGroup - d2SmallestGroup + 1);

// Number of standard deviations the results span: every K factor is 5.15 / d2.
constexpr double sigmaSpan = 5.15;

using D2Values = std::array<double, d2LineCount>;

// The bytes of the first d2LineCount lines of the table file (fewer when the file is
// shorter); nothing after a read error.
std::optional<QByteArray> readTableHead(QFile& file)
{
    QByteArray head;
    int lines = 0;
    char chunk[4096];
    for (;;) {
        const qint64 got = file.read(chunk, sizeof chunk);
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return head;
        const qsizetype scanned = head.size();
        head.append(chunk, got);
        for (qsizetype i = head.indexOf('\n', scanned); i >= 0; i = head.indexOf('\n', i + 1)) {
            if (++lines == d2LineCount) {
                head.truncate(i + 1);
                return head;
            }
        }
    }
}

// The table's values, or what keeps the file from giving them all.
struct ParsedTable {
    std::optional<D2Values> values;
    QString problem;
};

// A line ends in LF or CR LF; blanks around the value do no harm, nor does the
// byte-order mark an editor may put before a UTF-8 text.
ParsedTable parseTable(const QByteArray& head)
{
    D2Values values{};
    int line = 0;
    qsizetype start = head.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    if (start >= head.size())
        return {std::nullopt, QStringLiteral("it is empty")};
    while (line < d2LineCount && start < head.size()) {
        qsizetype end = head.indexOf('\n', start);
        if (end < 0)
            end = head.size();
        const QString text = QString::fromLatin1(head.constData() + start, end - start);
        const auto value = NumberText::toDouble(text, QLocale::c());
        if (!value)
            return {std::nullopt, QStringLiteral("line %1 is not a number (\"%2\")").arg(line + 1).arg(text.trimmed())};
        values[line++] = *value;
        start = end + 1;
    }
    if (line < d2LineCount)
        return {std::nullopt, QStringLiteral("it has %1 lines of the %2 it needs").arg(line).arg(d2LineCount)};
    return {values, QString()};
}

// A file system keeps times only so finely (to the clock tick, or to seconds): a file
// that changed this recently may change again without its times showing it.
constexpr qint64 timeGrainNs = 2'000'000'000;

// The table file as the previous lookup read it, and its numbers.
//
// Every lookup looks at the file, so an edited table counts at once. Where the platform
// allows, the file is kept open and looking at it costs one status call: while the
// file has not changed since well before it was read, and still lies in the folder,
// it is not read again. Otherwise it is read, and its numbers are parsed again only
// when its bytes differ.
class TableFile
{
public:
    ~TableFile() { closeFile(); }

    const D2Values* values(const QString& path)
    {
        if (path != m_path) {
            closeFile();
            m_path = path;
            m_nativePath = QFile::encodeName(path);
        }
        if (!unchanged())
            readHead();
        return m_table.values ? &*m_table.values : nullptr;
    }

    // Why the last look found no values.
    const QString& problem() const { return m_table.problem; }

private:
    // What tells that the open file is still what was read: its size and times.
    struct Stamp {
        qint64 size = 0;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const Stamp&) const = default;
    };

#ifdef Q_OS_UNIX
    static qint64 nanoseconds(const timespec& time) { return qint64(time.tv_sec) * 1000000000 + time.tv_nsec; }

    // The open file's stamp; empty when it was deleted or replaced (no name is left on
    // it), or when no file is open.
    std::optional<Stamp> openFileStamp() const
    {
        struct stat status;
        if (m_fd < 0 || ::fstat(m_fd, &status) != 0 || status.st_nlink == 0)
            return std::nullopt;
        return Stamp{qint64(status.st_size), nanoseconds(status.st_mtim), nanoseconds(status.st_ctim)};
    }

    bool unchanged() const { return m_settledStamp && openFileStamp() == m_settledStamp; }

    bool readHead()
    {
        m_settledStamp.reset();
        timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        if (!openFileStamp()) {
            closeFile();
            m_fd = ::open(m_nativePath.constData(), O_RDONLY | O_CLOEXEC);
        }
        const int openError = errno;
        const std::optional<Stamp> before = openFileStamp();
        QFile file;
        if (!before || !file.open(m_fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle)
            || !file.seek(0)) {
            closeFile();
            fail(openError == ENOENT ? QStringLiteral("it is missing")
                                     : QStringLiteral("it cannot be read (%1)").arg(qt_error_string(openError)));
            return false;
        }
        struct stat status;
        if (::fstat(m_fd, &status) == 0 && S_ISDIR(status.st_mode)) {
            closeFile();
            fail(QStringLiteral("it is a folder, not a file"));
            return false;
        }
        takeHead(readTableHead(file), file);
        // Times this close to the reading could hide a change that follows it.
        const qint64 settledBefore = nanoseconds(now) - timeGrainNs;
        if (before->modifiedNs < settledBefore && before->changedNs < settledBefore && openFileStamp() == before)
            m_settledStamp = before;
        return true;
    }

    void closeFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
        m_settledStamp.reset();
    }

    int m_fd = -1;
    std::optional<Stamp> m_settledStamp;
#else
    bool unchanged() const { return false; }

    bool readHead()
    {
        QFile file(m_path);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
            fail(file.exists() ? QStringLiteral("it cannot be read (%1)").arg(file.errorString())
                               : QStringLiteral("it is missing"));
            return false;
        }
        takeHead(readTableHead(file), file);
        return true;
    }

    void closeFile() {}
#endif

    void takeHead(const std::optional<QByteArray>& head, const QFile& file)
    {
        if (!head)
            fail(QStringLiteral("it cannot be read (%1)").arg(file.errorString()));
        else if (!m_parsed || *head != m_head) {
            m_head = *head;
            m_table = parseTable(m_head);
            m_parsed = true;
        }
    }

    void fail(const QString& problem)
    {
        m_table = {std::nullopt, problem};
        m_parsed = false;
    }

    QString m_path;
    QByteArray m_nativePath;
    QByteArray m_head;
    ParsedTable m_table{std::nullopt, QStringLiteral("it has not been read")};
    bool m_parsed = false;
};

TableFile& tableFile()
{
    thread_local TableFile table;
    return table;
}

// The values of the table as read now; null when the file cannot give all of them.
const D2Values* currentTable(const QString& tableFolder)
{
    return tableFile().values(D2TablePath(tableFolder));
}

// One feature's calculation. Every step stores its result as soon as it has it, so a
// step that fails leaves the values of the steps before it in place.
class FeatureCalculation
{
public:
    FeatureCalculation(const Study& study, StudyFeature& feature, const QString& tableFolder)
        : m_appraisers(study.AppraiserCount),
          m_trials(study.TrialCount),
          m_parts(study.PartCount),
          m_acceptLimit(study.AcceptLimit),
          m_unacceptLimit(study.UnacceptLimit),
          m_feature(feature),
          m_tableFolder(tableFolder)
    {
    }

    // False when the feature cannot be computed or judged.
    bool run()
    {
        if (!countsFit() || !computeRanges() || !computeAverages())
            return false;
        const auto upper = cell(m_feature.UpperTol);
        const auto lower = cell(m_feature.LowerTol);
        // A zero tolerance cannot give a verdict: the tally shows the feature as Caution.
        if (!upper || !lower || !store(FeatureResult::TOL, m_feature.TOL, *upper + *lower) || m_feature.TOL == 0)
            return false;
        if (!computeEquipmentVariation() || !computeAppraiserVariation())
            return false;
        judge();
        return computePartVariation();
    }

private:
    static std::optional<double> cell(const QString& text)
    {
        return NumberText::toDouble(text, QLocale::c());
    }

    // An overflowing result fails the feature like any other arithmetic fault.
    static bool store(double& field, double value)
    {
        if (!std::isfinite(value))
            return false;
        field = value;
        return true;
    }

    // The same for a figure the results table reports, which is marked as computed.
    bool store(FeatureResult result, double& field, double value)
    {
        if (!store(field, value))
            return false;
        m_feature.ComputedResults |= quint16(1u << int(result));
        return true;
    }

    bool countsFit() const
    {
        return m_appraisers >= 1 && m_appraisers <= maxAppraisers && m_trials >= 1
            && m_trials <= maxTrials && m_parts >= 1 && m_parts <= maxParts;
    }

    bool factor(double& k, int m, int g) const
    {
        const auto d2 = LookupD2(m, g, m_tableFolder);
        return d2 && store(k, sigmaSpan / *d2);
    }

    bool computeRanges()
    {
        for (int a = 0; a < m_appraisers; ++a) {
            for (int p = 0; p < m_parts; ++p) {
                for (int t = 0; t < m_trials; ++t) {
                    const auto reading = m_feature.Readings[a][t][p].number();
                    if (!reading)
                        return false;
                    m_readings[a][t][p] = *reading;
                }
                double low = m_readings[a][0][p];
                double high = low;
                for (int t = 1; t < m_trials; ++t) {
                    low = std::min(low, m_readings[a][t][p]);
                    high = std::max(high, m_readings[a][t][p]);
                }
                if (!store(m_feature.PartRange[a][p], high - low))
                    return false;
            }
            double rangeSum = 0;
            for (int p = 0; p < m_parts; ++p)
                rangeSum += m_feature.PartRange[a][p];
            if (!store(m_feature.AppraiserRangeAverage[a], rangeSum / m_parts))
                return false;
        }
        double averageSum = 0;
        for (int a = 0; a < m_appraisers; ++a)
            averageSum += m_feature.AppraiserRangeAverage[a];
        return store(m_feature.RBar, averageSum / m_appraisers);
    }

    bool computeAverages()
    {
        for (int a = 0; a < m_appraisers; ++a) {
            double sum = 0;
            for (int t = 0; t < m_trials; ++t)
                for (int p = 0; p < m_parts; ++p)
                    sum += m_readings[a][t][p];
            if (!store(m_feature.AppraiserAverage[a], sum / (m_parts * m_trials)))
                return false;
        }
        for (int p = 0; p < m_parts; ++p) {
            double sum = 0;
            for (int a = 0; a < m_appraisers; ++a)
                for (int t = 0; t < m_trials; ++t)
                    sum += m_readings[a][t][p];
            if (!store(m_feature.PartAverage[p], sum / (m_appraisers * m_trials)))
                return false;
        }
        return store(m_feature.XDiff, spread(m_feature.AppraiserAverage, m_appraisers))
            && store(m_feature.Rp, spread(m_feature.PartAverage, m_parts));
    }

    bool computeEquipmentVariation()
    {
        return factor(m_feature.K1, m_trials, m_parts * m_appraisers)
            && store(FeatureResult::EV, m_feature.EV, m_feature.RBar * m_feature.K1)
            && store(FeatureResult::PctEV, m_feature.PctEV, 100 * (m_feature.EV / m_feature.TOL));
    }

    bool computeAppraiserVariation()
    {
        if (!factor(m_feature.K2, m_appraisers, 1))
            return false;
        const double spreadVariation = m_feature.XDiff * m_feature.K2;
        const double q = spreadVariation * spreadVariation
            - m_feature.EV * m_feature.EV / (m_parts * m_trials);
        if (!std::isfinite(q))
            return false;
        // Repeatability larger than the appraisers' spread leaves no reproducibility.
        const double av = q < 0 ? 0 : std::sqrt(q);
        if (!store(FeatureResult::AV, m_feature.AV, av)
            || !store(FeatureResult::PctAV, m_feature.PctAV, q < 0 ? 0 : 100 * (av / m_feature.TOL)))
            return false;
        return store(FeatureResult::RR, m_feature.RR, std::sqrt(m_feature.EV * m_feature.EV + av * av))
            && store(FeatureResult::PctRR, m_feature.PctRR, 100 * (m_feature.RR / m_feature.TOL));
    }

    // Three separate tests in this order: with equal limits, a value equal to both
    // ends Unacceptable.
    void judge()
    {
        const double pct = m_feature.PctRR;
        if (pct <= m_acceptLimit)
            m_feature.Status = QStringLiteral("Acceptable");
        if (pct >= m_unacceptLimit)
            m_feature.Status = QStringLiteral("Unacceptable");
        if (pct > m_acceptLimit && pct < m_unacceptLimit)
            m_feature.Status = QStringLiteral("Caution");
    }

    bool computePartVariation()
    {
        return factor(m_feature.K3, m_parts, 1) && store(FeatureResult::PV, m_feature.PV, m_feature.Rp * m_feature.K3)
            && store(FeatureResult::PctPV, m_feature.PctPV, 100 * (m_feature.PV / m_feature.TOL));
    }

    template <std::size_t N>
    static double spread(const std::array<double, N>& values, int count)
    {
        const auto [low, high] = std::minmax_element(values.begin(), values.begin() + count);
        return *high - *low;
    }

    const int m_appraisers;
    const int m_trials;
    const int m_parts;
    const double m_acceptLimit;
    const double m_unacceptLimit;
    StudyFeature& m_feature;
    const QString& m_tableFolder;
    std::array<std::array<std::array<double, maxParts>, maxTrials>, maxAppraisers> m_readings{};
};

} // namespace

Study& theStudy()
{
    static Study study;
    return study;
}

bool CalculateStudy(Study& study, const QString& acceptLimitText, const QString& unacceptLimitText,
                    const QString& tableFolder)
{
    const auto acceptLimit = NumberText::toSingle(acceptLimitText);
    const auto unacceptLimit = NumberText::toSingle(unacceptLimitText);
    if (!acceptLimit || !unacceptLimit)
        return false;
    study.AcceptLimit = *acceptLimit;
    study.UnacceptLimit = *unacceptLimit;

    // The folder is found once; the table in it is still looked at by every lookup.
    const QString folder = tableFolder.isEmpty() ? AppPaths::dataFolder() : tableFolder;
    for (StudyFeature& feature : study.Features) {
        feature.Problem = false;
        feature.ComputedResults = 0;
        if (!FeatureCalculation(study, feature, folder).run())
            feature.Problem = true;
    }
    return true;
}

std::optional<double> LookupD2(int m, int g, const QString& tableFolder)
{
    g = std::min(g, d2RowsPerGroup);
    if (m < d2SmallestGroup || m > d2LargestGroup || g < 1)
        return std::nullopt;
    const D2Values* table = currentTable(tableFolder);
    if (!table)
        return std::nullopt;
    // A value of 0 or below would divide by zero or turn every result negative.
    const double value = (*table)[d2RowsPerGroup * (m - d2SmallestGroup) + g - 1];
    if (!(value > 0))
        return std::nullopt;
    return value;
}

QString D2TablePath(const QString& tableFolder)
{
    QString path = tableFolder.isEmpty() ? AppPaths::dataFolder() : tableFolder;
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    return path + QLatin1String("tbld2.txt");
}

std::optional<QString> D2TableProblem(const QString& tableFolder)
{
    const D2Values* table = currentTable(tableFolder);
    if (!table)
        return tableFile().problem();
    for (std::size_t line = 0; line < table->size(); ++line) {
        if (!((*table)[line] > 0))
            return QStringLiteral("line %1 holds %2; a d2 value must be above 0")
                .arg(line + 1)
                .arg((*table)[line]);
    }
    return std::nullopt;
}

void TallyStatuses(Study& study)
{
    int acceptable = 0;
    int caution = 0;
    int unacceptable = 0;
    for (StudyFeature& feature : study.Features) {
        if (feature.Problem)
            feature.Status = QStringLiteral("Caution");
        if (feature.Status == QLatin1String("Acceptable"))
            ++acceptable;
        else if (feature.Status == QLatin1String("Caution"))
            ++caution;
        else if (feature.Status == QLatin1String("Unacceptable"))
            ++unacceptable;
    }
    // The counters are 16-bit; the import keeps a study below that size.
    const auto counter = [](int count) { return qint16(std::min(count, 32767)); };
    study.AcceptableCount = counter(acceptable);
    study.CautionCount = counter(caution);
    study.UnacceptableCount = counter(unacceptable);
}
