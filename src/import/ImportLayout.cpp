#include "import/ImportLayout.h"

#include "common/NumberText.h"

#include <QStringList>

ImportLayout ImportLayout::startLayout()
{
    ImportLayout layout;
    layout.chooseTrials(1);
    layout.chooseParts(3);
    layout.setTrialsInOrder(true);
    return layout;
}

bool ImportLayout::trialBoxEnabled(int appraiser, int part) const
{
    return part < partCount() && appraiser < appraiserCount();
}

void ImportLayout::chooseAppraisers(bool two)
{
    twoAppraisers = two;
    if (trialsInOrder)
        fillTrialsInOrder();
}

void ImportLayout::chooseParts(int index)
{
    partsIndex = index;
    if (trialsInOrder)
        fillTrialsInOrder();
}

void ImportLayout::chooseTrials(int index)
{
    trialsIndex = index;
    if (trialsInOrder)
        fillTrialsInOrder();
}

void ImportLayout::setTrialsInOrder(bool inOrder)
{
    trialsInOrder = inOrder;
    if (inOrder)
        fillTrialsInOrder();
    else
        clearTrialBoxes();
}

void ImportLayout::fillTrialsInOrder()
{
    clearTrialBoxes();
    const int trials = trialCount();
    int filled = 0;
    for (int appraiser = 0; appraiser < maxAppraisers; ++appraiser) {
        for (int part = 0; part < maxParts; ++part) {
            if (!trialBoxEnabled(appraiser, part))
                continue;
            QStringList rows;
            for (int trial = 1; trial <= trials; ++trial)
                rows << QString::number(filled * trials + trial);
            trialLists[appraiser][part] = rows.join(u',');
            ++filled;
        }
    }
}

void ImportLayout::clearTrialBoxes()
{
    for (auto& lists : trialLists)
        lists.fill(QString());
}

QString BlockDropText(int block, int line, int column)
{
    const QString row = QStringLiteral("R%1").arg(line);
    const QString col = QStringLiteral("C%1").arg(column);
    switch (block) {
    case ImportLayout::FirstRun: return row + QStringLiteral(" - ") + col;
    case ImportLayout::RunInfo: return col;
    default: return row;
    }
}

int TrialListCount(const QString& text, int recordCount)
{
    if (!text.contains(u','))
        return -1;
    QStringList entries = text.split(u',');
    if (entries.last().isEmpty())
        entries.removeLast();
    for (const QString& entry : entries) {
        const auto row = NumberText::toDouble(entry.trimmed());
        if (!row || *row >= recordCount)
            return -1;
    }
    return int(entries.size());
}

std::array<QString, maxTrials> TrialRowEntries(const QString& text)
{
    const QStringList pieces = text.split(u',');
    std::array<QString, maxTrials> entries;
    entries[0] = pieces[0].trimmed();
    if (pieces.size() > 1) {
        entries[1] = pieces[1].trimmed();
        entries[2] = pieces.size() > 2 ? pieces[2].trimmed() : entries[1];
    }
    return entries;
}

QString BlockNumberText(const QString& text)
{
    return text.trimmed().mid(1);
}

QString FirstRunRowText(const QString& text)
{
    const QString block = text.trimmed();
    const qsizetype dash = block.indexOf(u'-');
    if (dash < 1)
        return QString();
    return block.mid(1, dash - 1).trimmed();
}

QString FirstRunColumnText(const QString& text)
{
    const QString block = text.trimmed();
    const qsizetype column = block.indexOf(u'C', 0, Qt::CaseInsensitive);
    if (column < 0)
        return QString();
    return block.mid(column + 1).trimmed();
}

namespace {

// A block number that is a number and not above the limit.
bool numberWithin(const QString& text, int limit)
{
    const auto number = NumberText::toDouble(text);
    return number && *number <= limit;
}

} // namespace

std::optional<QString> ValidateImportLayout(const ImportLayout& layout, int recordCount,
                                            int columnCount)
{
    const auto& blocks = layout.blocks;
    if (layout.blockEnabled(ImportLayout::RunInfo)
        && !numberWithin(BlockNumberText(blocks[ImportLayout::RunInfo]), columnCount))
        return QStringLiteral("Run Information block contains invalid data.");
    if (!numberWithin(BlockNumberText(blocks[ImportLayout::FeatureName]), recordCount))
        return QStringLiteral("Feature Name Row block contains invalid data.");
    if (!numberWithin(BlockNumberText(blocks[ImportLayout::UpperTolerance]), recordCount))
        return QStringLiteral("Upper tolerance Row block contains invalid data.");
    if (!numberWithin(BlockNumberText(blocks[ImportLayout::LowerTolerance]), recordCount))
        return QStringLiteral("Lower tolerance Row block contains invalid data.");
    const QString& firstRun = blocks[ImportLayout::FirstRun];
    if (!numberWithin(FirstRunRowText(firstRun), recordCount)
        || !numberWithin(FirstRunColumnText(firstRun), columnCount))
        return QStringLiteral("First run row - col. block contains invalid data.");

    const int expected = layout.appraiserCount() * layout.partCount() * layout.trialCount();
    if (recordCount < expected + 3)
        return QStringLiteral("There are not enough rows for the expected parts x runs x appraisers.");

    int locations = 0;
    for (int part = 0; part < maxParts; ++part) {
        for (int appraiser = 0; appraiser < maxAppraisers; ++appraiser) {
            if (!layout.trialBoxEnabled(appraiser, part))
                continue;
            const int count = TrialListCount(layout.trialLists[appraiser][part], recordCount);
            if (count < 0)
                return QStringLiteral("There is a problem with the Appraiser %1, Part %2 block.")
                    .arg(appraiser + 1)
                    .arg(part + 1);
            locations += count;
        }
    }
    if (locations > expected)
        return QStringLiteral("You have more trial locations than the expected parts x runs x appraisers.");
    if (locations < expected)
        return QStringLiteral("You have less trial locations than the expected parts x runs x appraisers.");
    return std::nullopt;
}
