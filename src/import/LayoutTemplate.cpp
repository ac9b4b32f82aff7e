#include "import/LayoutTemplate.h"

#include "common/NumberText.h"
#include "common/SaveFile.h"
#include "import/CsvText.h"
#include "import/ImportLayout.h"

namespace {

enum Line {
    TwoAppraisersLine = 0,
    TrialsInOrderLine = 1,
    PartsLine = 2,
    TrialsLine = 3,
    RunInfoInUseLine = 4,
    RunInfoBlockLine = 5,
    FirstBlockLine = 6,  // blocks 0 to 3
    FirstTrialListLine = 10,
};

QString numberLine(int value)
{
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QString truthLine(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// A whole number in the range a control takes. Text that is not a number does not
// match the control's type; a number outside the range is not a value it can hold.
int controlValue(const QString& text, int highest)
{
    const auto number = NumberText::toDouble(text, QLocale::c());
    if (!number)
        throw AppError(AppError::TypeMismatch);
    const auto value = NumberText::toInt16(*number);
    if (!value || *value < 0 || *value > highest)
        throw AppError(AppError::InvalidPropertyValue);
    return *value;
}

// "True" and "False" in any letter case, or a number: anything but 0 is true.
bool truthValue(const QString& text)
{
    const QString value = text.trimmed();
    if (value.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (value.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    const auto number = NumberText::toDouble(value, QLocale::c());
    if (!number)
        throw AppError(AppError::TypeMismatch);
    return *number != 0;
}

int trialListLine(int appraiser, int part)
{
    return FirstTrialListLine + appraiser * maxParts + part;
}

class LayoutTarget final : public LayoutTemplateTarget
{
public:
    explicit LayoutTarget(ImportLayout& layout) : m_layout(layout) {}

    void chooseAppraisers(bool two) override { m_layout.chooseAppraisers(two); }
    void setTrialsInOrder(bool inOrder) override { m_layout.setTrialsInOrder(inOrder); }
    void chooseParts(int index) override { m_layout.chooseParts(index); }
    void chooseTrials(int index) override { m_layout.chooseTrials(index); }
    void setRunInfoInUse(bool inUse) override { m_layout.runInfoInUse = inUse; }
    bool trialsInOrder() const override { return m_layout.trialsInOrder; }
    bool runInfoInUse() const override { return m_layout.runInfoInUse; }
    void setBlock(int block, const QString& text) override { m_layout.blocks[block] = text; }
    void setTrialList(int appraiser, int part, const QString& text) override
    {
        m_layout.trialLists[appraiser][part] = text;
    }

private:
    ImportLayout& m_layout;
};

} // namespace

namespace LayoutTemplate {

QStringList lines(const ImportLayout& layout)
{
    QStringList result;
    result << truthLine(layout.twoAppraisers) << numberLine(layout.trialsInOrder ? 1 : 0)
           << numberLine(layout.partsIndex) << numberLine(layout.trialsIndex)
           << numberLine(layout.runInfoInUse ? 1 : 0) << layout.blocks[ImportLayout::RunInfo];
    for (int block = ImportLayout::FirstRun; block <= ImportLayout::FeatureName; ++block)
        result << layout.blocks[block];
    for (const auto& lists : layout.trialLists) {
        for (const QString& list : lists)
            result << list;
    }
    return result;
}

std::optional<AppError> write(const QString& path, const ImportLayout& layout)
{
    QByteArray text;
    for (const QString& line : lines(layout))
        text += line.toUtf8() + "\r\n";
    return saveWholeFile(path, text);
}

std::optional<AppError> read(const QString& path, QStringList& lines)
{
    lines.clear();
    CsvText text;
    if (auto error = text.read(path))
        return error;
    for (qsizetype line = 0; line < text.lineCount(); ++line)
        lines << text.line(line).toString();
    return std::nullopt;
}

std::optional<AppError> apply(const QStringList& lines, LayoutTemplateTarget& target)
{
    if (lines.size() != lineCount)
        return AppError(AppError::InputPastEndOfFile);
    try {
        target.chooseAppraisers(truthValue(lines[TwoAppraisersLine]));
        target.setTrialsInOrder(controlValue(lines[TrialsInOrderLine], 1) == 1);
        target.chooseParts(controlValue(lines[PartsLine], ImportLayout::partChoices - 1));
        target.chooseTrials(controlValue(lines[TrialsLine], ImportLayout::trialChoices - 1));
        target.setRunInfoInUse(controlValue(lines[RunInfoInUseLine], 1) == 1);
        if (target.runInfoInUse())
            target.setBlock(ImportLayout::RunInfo, lines[RunInfoBlockLine]);
        for (int block = ImportLayout::FirstRun; block <= ImportLayout::FeatureName; ++block)
            target.setBlock(block, lines[FirstBlockLine + block]);
        if (!target.trialsInOrder()) {
            for (int appraiser = 0; appraiser < maxAppraisers; ++appraiser) {
                for (int part = 0; part < maxParts; ++part)
                    target.setTrialList(appraiser, part, lines[trialListLine(appraiser, part)]);
            }
        }
    } catch (const AppError& error) {
        return error;
    }
    return std::nullopt;
}

std::optional<AppError> apply(const QStringList& lines, ImportLayout& layout)
{
    LayoutTarget target(layout);
    return apply(lines, target);
}

std::optional<LoadProblem> load(const QString& path, LayoutTemplateTarget& target)
{
    const auto errorProblem = [](const AppError& error) {
        return LoadProblem{error.message(QStringLiteral("Unanticipated error cmdLoad")), true};
    };
    QStringList fileLines;
    if (const auto error = read(path, fileLines))
        return errorProblem(*error);
    if (fileLines.size() != lineCount)
        return LoadProblem{QStringLiteral("The file is corrupt, not enough lines of data."), false};
    if (const auto error = apply(fileLines, target))
        return errorProblem(*error);
    return std::nullopt;
}

std::optional<LoadProblem> load(const QString& path, ImportLayout& layout)
{
    LayoutTarget target(layout);
    return load(path, target);
}

} // namespace LayoutTemplate
