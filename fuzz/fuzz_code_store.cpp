// Code Keeper's store: the input's lines as the file names of a folder, taken apart into
// the tree's listing; its first line as a name typed for a new category; and the whole
// input as the bytes of an entry file.
//
// The listing shows only what the store could write: valid, non-empty names, colours
// whose pictures exist, each entry under its own category once, each named by a file of
// the folder that alone lists the same entry, as does the file name the store makes for
// it. A name IsValidCodeName accepts becomes a category in a real folder that lists
// back (unless the system refuses so long a file name), with an entry whose bytes are
// written and read back whole, and deleting the category empties the folder. An entry
// file's text ending its line gives back the file's own bytes; saved, with the final
// line break it may gain, it reads back; an edited text reads back as it was edited.
#include "FuzzSupport.h"

#include "codekeeper/CodeFile.h"
#include "codekeeper/CodeStore.h"

#include <QDir>

namespace {

QString describe(const CodeEntry& entry)
{
    return QStringLiteral("%1 / %2 / %3 / %4")
        .arg(entry.category, entry.name, QString::number(entry.colour), entry.fileName);
}

// The one entry a listing of one file shows, if any.
std::optional<CodeEntry> listedAlone(const QString& fileName)
{
    const CodeListing listing = ParseCodeListing({fileName});
    if (listing.categories.size() != 1 || listing.categories.first().entries.size() != 1)
        return std::nullopt;
    return listing.categories.first().entries.first();
}

void checkListing(const QStringList& fileNames)
{
    const CodeListing listing = ParseCodeListing(fileNames);
    QStringList categories;
    for (const CodeCategory& category : listing.categories) {
        Fuzz::check(!categories.contains(category.name), "a category is shown once", category.name);
        categories << category.name;
        Fuzz::check(listing.CategoryExists(category.name.toUpper()) &&
                        listing.CategoryExists(category.name.toLower()),
                    "a category is found whatever the letter case", category.name);
        Fuzz::check(!category.entries.isEmpty() &&
                        category.colour == category.entries.first().colour,
                    "a category is shown with its first file's colour", category.name);
        QStringList names;
        for (const CodeEntry& entry : category.entries) {
            Fuzz::check(entry.category == category.name && !names.contains(entry.name),
                        "an entry is shown once, under its category", describe(entry));
            names << entry.name;
            Fuzz::check(!entry.category.isEmpty() && !entry.name.isEmpty() &&
                            IsValidCodeName(entry.category) && IsValidCodeName(entry.name),
                        "shown names are valid", describe(entry));
            Fuzz::check(entry.colour >= 1 && entry.colour <= 53, "a shown colour has its pictures",
                        describe(entry));
            Fuzz::check(fileNames.contains(entry.fileName), "an entry is one of the files",
                        describe(entry));
            const auto alone = listedAlone(entry.fileName);
            const auto made = listedAlone(CodeFileName(entry.category, entry.colour, entry.name));
            Fuzz::check(alone && describe(*alone) == describe(entry),
                        "an entry's file alone lists that entry", describe(entry));
            Fuzz::check(made && made->category == entry.category && made->name == entry.name &&
                            made->colour == entry.colour,
                        "the file name the store makes lists the same entry", describe(entry));
        }
    }
}

// A typed category name through a real folder: added, listed, written, deleted.
void checkStore(const QString& name, int colour, const QByteArray& bytes)
{
    if (name.isEmpty() || !IsValidCodeName(name))
        return;
    const QString folder = Fuzz::folder() + QStringLiteral("/store");
    QDir(folder).removeRecursively();
    const CodeStore store(folder);
    const QString fileName = CodeFileName(name, colour, QStringLiteral("New"));
    const StoreResult added = store.addCategory(name, colour);
    if (added == StoreResult::Failed && fileName.toUtf8().size() > LongestCodeFileName)
        return;
    Fuzz::check(added == StoreResult::Done, "a valid name makes a category", name);
    const CodeListing listing = store.listing();
    const CodeCategory* category = listing.category(name);
    Fuzz::check(listing.categories.size() == 1 && category && category->colour == colour &&
                    category->entries.size() == 1 && category->entries.first().fileName == fileName,
                "a new category lists back", name);

    const QString path = store.filePath(fileName);
    CodeFile file;
    Fuzz::check(!writeCodeFile(path, bytes) && !readCodeFile(path, file) && file.bytes() == bytes,
                "an entry's bytes are written and read back whole");
    Fuzz::check(store.deleteCategory(name) == StoreResult::Done &&
                    QDir(folder).entryList(QDir::Files | QDir::Hidden).isEmpty(),
                "deleting the category empties the folder", name);
}

void checkEntryFile(const QByteArray& bytes)
{
    const CodeFile file(bytes);
    const QString& text = file.text();
    Fuzz::check(!text.contains(u'\r'), "the editor's text breaks lines with LF only");
    const bool ended = text.isEmpty() || text.endsWith(u'\n');
    const QByteArray saved = file.bytesFor(text);
    Fuzz::check(!ended || saved == bytes,
                "an unedited text ending its line is saved as the file's bytes");
    Fuzz::check(CodeFile(saved).text() == (ended ? text : text + u'\n'),
                "a saved unedited text reads back");
    // Appended ASCII keeps the file's encoding; the omega does not fit Latin-1.
    for (const QString& added : {QStringLiteral("G01 X0"), QStringLiteral("\nG01 \u03a9 1")}) {
        const QString edited = text + added;
        Fuzz::check(CodeFile(file.bytesFor(edited)).text() == edited + u'\n',
                    "an edited text reads back as edited", edited.right(200));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList fileNames = QString::fromUtf8(bytes).split(u'\n');
    checkListing(fileNames);
    checkStore(fileNames.first(), int(size % 53) + 1, bytes);
    checkEntryFile(bytes);
    return 0;
}
