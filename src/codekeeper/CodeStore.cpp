#include "codekeeper/CodeStore.h"

#include "codekeeper/CodeColours.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <vector>

namespace {

const QString textSuffix = QStringLiteral(".txt");

// What a file name says, once taken apart.
struct TakenApart
{
    bool error = false;
    bool shown = false;
    CodeEntry entry;
};

TakenApart takeApart(const QString& fileName)
{
    TakenApart result;
    const QString base = fileName.left(fileName.size() - textSuffix.size());
    const qsizetype underscore = base.indexOf(QLatin1Char('_'));
    if (underscore < 0 || base.size() - underscore - 1 < 3) {
        result.error = true;
        return result;
    }
    bool isNumber = false;
    const int colour = base.mid(underscore + 1, 2).trimmed().toInt(&isNumber);
    if (!isNumber) {
        result.error = true;
        return result;
    }
    result.entry.category = base.left(underscore).trimmed();
    result.entry.name = base.mid(underscore + 4).trimmed();
    result.entry.colour = colour;
    result.entry.fileName = fileName;
    result.shown = base.at(underscore + 3) == QLatin1Char('_') &&
                   !result.entry.category.isEmpty() && !result.entry.name.isEmpty() &&
                   colour >= 1 && colour <= largestCodeColour &&
                   IsValidCodeName(result.entry.category) && IsValidCodeName(result.entry.name);
    return result;
}

bool isListed(const QString& fileName)
{
    return fileName.endsWith(textSuffix, Qt::CaseInsensitive) &&
           fileName.compare(workingFileName, Qt::CaseInsensitive) != 0;
}

// A longer name could be created, and then never saved.
bool saveable(const QString& fileName)
{
    return fileName.toUtf8().size() <= LongestCodeFileName;
}

} // namespace

bool IsValidCodeName(const QString& name)
{
    return std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || (u >= '0' && u <= '9') ||
               u == '"';
    });
}

QString CodeFileName(const QString& category, int colour, const QString& entry)
{
    return QStringLiteral("%1_%2_%3%4")
        .arg(category)
        .arg(colour, 2, 10, QLatin1Char('0'))
        .arg(entry, textSuffix);
}

const CodeCategory* CodeListing::category(const QString& name) const
{
    const auto found =
        std::find_if(categories.cbegin(), categories.cend(),
                     [&name](const CodeCategory& category) { return category.name == name; });
    return found == categories.cend() ? nullptr : &*found;
}

bool CodeListing::CategoryExists(const QString& name) const
{
    return std::any_of(categories.cbegin(), categories.cend(),
                       [&name](const CodeCategory& category) {
                           return category.name.compare(name, Qt::CaseInsensitive) == 0;
                       });
}

bool CodeListing::CodeEntryExists(const QString& category, const QString& entry) const
{
    const CodeCategory* found = this->category(category);
    return found && std::any_of(found->entries.cbegin(), found->entries.cend(),
                                [&entry](const CodeEntry& each) { return each.name == entry; });
}

CodeListing ParseCodeListing(const QStringList& fileNames)
{
    // One fixed order on every system: the names' bytes, each name converted once.
    std::vector<std::pair<QByteArray, const QString*>> ordered;
    ordered.reserve(std::size_t(fileNames.size()));
    for (const QString& fileName : fileNames)
        ordered.emplace_back(fileName.toUtf8(), &fileName);
    std::sort(ordered.begin(), ordered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    CodeListing listing;
    for (const auto& byName : ordered) {
        const QString& fileName = *byName.second;
        if (!isListed(fileName))
            continue;
        const TakenApart taken = takeApart(fileName);
        if (taken.error) {
            listing.complete = false;
            break;
        }
        if (!taken.shown)
            continue;
        auto category = std::find_if(
            listing.categories.begin(), listing.categories.end(),
            [&taken](const CodeCategory& each) { return each.name == taken.entry.category; });
        if (category == listing.categories.end()) {
            listing.categories.append({taken.entry.category, taken.entry.colour, {}});
            category = std::prev(listing.categories.end());
        }
        if (!listing.CodeEntryExists(category->name, taken.entry.name))
            category->entries.append(taken.entry);
    }
    return listing;
}

QString CodeStore::filePath(const QString& fileName) const
{
    return QDir(m_folder).filePath(fileName);
}

CodeListing CodeStore::listing() const
{
    return ParseCodeListing(QDir(m_folder).entryList({QStringLiteral("*.txt")}, QDir::Files));
}

bool CodeStore::exists(const QString& fileName) const
{
    return QFile::exists(filePath(fileName));
}

bool CodeStore::createEmpty(const QString& fileName) const
{
    QFile file(filePath(fileName));
    return saveable(fileName) && QDir().mkpath(m_folder) &&
           file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

StoreResult CodeStore::addCategory(const QString& name, int colour) const
{
    if (name.isEmpty())
        return StoreResult::NothingToDo;
    if (!IsValidCodeName(name))
        return StoreResult::InvalidName;
    if (listing().CategoryExists(name))
        return StoreResult::CategoryInUse;
    const QString fileName = CodeFileName(name, colour, QStringLiteral("New"));
    if (exists(fileName))
        return StoreResult::NothingToDo;
    return createEmpty(fileName) ? StoreResult::Done : StoreResult::Failed;
}

StoreResult CodeStore::newEntry(const QString& category, int colour, const QString& name) const
{
    if (name.isEmpty() || !IsValidCodeName(name))
        return StoreResult::InvalidName;
    const QString fileName = CodeFileName(category, colour, name);
    if (listing().CodeEntryExists(category, name) || exists(fileName))
        return StoreResult::FileInUse;
    return createEmpty(fileName) ? StoreResult::Done : StoreResult::Failed;
}

StoreResult CodeStore::renameEntry(const CodeEntry& entry, const QString& newName) const
{
    if (newName.isEmpty() || !IsValidCodeName(newName))
        return StoreResult::InvalidName;
    if (newName == entry.name)
        return StoreResult::NothingToDo;
    const QString target = CodeFileName(entry.category, entry.colour, newName);
    if (listing().CodeEntryExists(entry.category, newName) || exists(target))
        return StoreResult::FileInUse;
    if (!saveable(target) || !QFile::copy(filePath(entry.fileName), filePath(target)))
        return StoreResult::Failed;
    QFile::remove(filePath(entry.fileName));
    return exists(entry.fileName) ? StoreResult::StillHere : StoreResult::Done;
}

StoreResult CodeStore::renameCategory(const QString& category, int colour, const QString& newName,
                                      int newColour) const
{
    if (newName.isEmpty() || !IsValidCodeName(newName))
        return StoreResult::InvalidName;
    if (newName == category && newColour == colour)
        return StoreResult::NothingToDo;
    const CodeListing current = listing();
    for (const CodeCategory& other : current.categories)
        if (other.name != category && other.name.compare(newName, Qt::CaseInsensitive) == 0)
            return StoreResult::CategoryInUse;
    QList<std::pair<QString, QString>> moves;
    if (const CodeCategory* renamed = current.category(category))
        for (const CodeEntry& entry : renamed->entries) {
            const QString target = CodeFileName(newName, newColour, entry.name);
            if (target == entry.fileName)
                continue;
            if (exists(target))
                return StoreResult::CategoryInUse;
            if (!saveable(target))
                return StoreResult::Failed;
            moves.append({entry.fileName, target});
        }
    // Every copy first: a failure takes the copies made back and changes nothing.
    for (qsizetype done = 0; done < moves.size(); ++done)
        if (!QFile::copy(filePath(moves[done].first), filePath(moves[done].second))) {
            for (qsizetype undo = 0; undo < done; ++undo)
                QFile::remove(filePath(moves[undo].second));
            return StoreResult::Failed;
        }
    for (const auto& [source, target] : std::as_const(moves))
        if (!QFile::remove(filePath(source)) && exists(source))
            return StoreResult::Failed;
    return StoreResult::Done;
}

StoreResult CodeStore::deleteEntry(const CodeEntry& entry) const
{
    return QFile::remove(filePath(entry.fileName)) || !exists(entry.fileName) ? StoreResult::Done
                                                                              : StoreResult::Failed;
}

StoreResult CodeStore::deleteCategory(const QString& category) const
{
    const CodeListing current = listing();
    if (const CodeCategory* deleted = current.category(category))
        for (const CodeEntry& entry : deleted->entries)
            if (deleteEntry(entry) != StoreResult::Done)
                return StoreResult::Failed;
    return StoreResult::Done;
}
