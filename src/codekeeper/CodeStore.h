#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The scratch file, shown first in the tree as " Working".
inline const QString workingFileName = QStringLiteral("Working.txt");

// A category or entry name: made only of A-Z, a-z, 0-9 and the double quote. The empty
// text passes; the commands refuse it.
bool IsValidCodeName(const QString& name);

// "category_NN_entry.txt", NN the colour with two digits.
QString CodeFileName(const QString& category, int colour, const QString& entry);
// The longest entry file name, in UTF-8 bytes, the store makes: a save writes its temporary
// copy beside the file under the file's name and seven bytes more, within the folder's 255.
constexpr qsizetype LongestCodeFileName = 255 - 7;

// One stored snippet: the file category_NN_entry.txt. It keeps its own file's name and
// colour, so a category whose files carry different colours (edited outside the
// program) still opens, renames and deletes the right file.
struct CodeEntry
{
    QString category;
    QString name;
    int colour = 0;
    QString fileName;
};

struct CodeCategory
{
    QString name;
    // The colour of the category's first file.
    int colour = 0;
    QList<CodeEntry> entries;
};

// The store as its tree shows it: the file names of a folder taken apart in one fixed
// order (sorted by their bytes), up to the first name that cannot be taken apart.
struct CodeListing
{
    QList<CodeCategory> categories;
    // False when a name that cannot be taken apart ended the reading.
    bool complete = true;

    // The category of exactly that name, or nullptr.
    const CodeCategory* category(const QString& name) const;
    // True when a category has that name, letter case ignored.
    bool CategoryExists(const QString& name) const;
    bool CodeEntryExists(const QString& category, const QString& entry) const;
};

// Takes a folder's *.txt names apart ("Working.txt" aside):
// - an error that ends the reading: no "_", fewer than three characters after the first
//   "_", or two colour characters that are not a whole number;
// - skipped: an empty category or entry, a colour outside 1..53 (its pictures lie past
//   the tree's), a colour not followed by "_", a name with any other character than
//   IsValidCodeName allows.
// Categories are kept in the order their first file comes, entries in file order; a
// second entry of the same name in one category is not shown.
CodeListing ParseCodeListing(const QStringList& fileNames);

// What a store command did.
enum class StoreResult {
    Done,
    NothingToDo,   // nothing to change, or the file is already there
    InvalidName,   // empty, or fails IsValidCodeName
    CategoryInUse, // another category has that name
    FileInUse,     // the entry or its file exists
    StillHere,     // copied, but the old file could not be deleted
    Failed,        // a file operation failed: what was done before it stays
};

// The folder of snippet files and every change Code Keeper's commands make to it. A
// change never replaces an existing file, and a file is deleted only once its copy
// exists.
class CodeStore
{
public:
    explicit CodeStore(QString folder) : m_folder(std::move(folder)) {}

    const QString& folder() const { return m_folder; }
    QString filePath(const QString& fileName) const;

    CodeListing listing() const;

    // A category with its one empty entry "New": category_NN_New.txt. NothingToDo for
    // an empty name or when that file is there already (it is left as it is).
    StoreResult addCategory(const QString& name, int colour) const;
    StoreResult newEntry(const QString& category, int colour, const QString& name) const;
    StoreResult renameEntry(const CodeEntry& entry, const QString& newName) const;
    // Renames and recolours every entry the category shows; all or nothing as far as the
    // copies go.
    StoreResult renameCategory(const QString& category, int colour, const QString& newName,
                               int newColour) const;
    StoreResult deleteEntry(const CodeEntry& entry) const;
    // Deletes exactly the entry files the category shows; other files whose names start
    // with it (a skipped one, another suffix) are left alone.
    StoreResult deleteCategory(const QString& category) const;

private:
    bool exists(const QString& fileName) const;
    bool createEmpty(const QString& fileName) const;

    QString m_folder;
};
