// Template loading: a *.tpl file of any bytes loaded onto the import window's opening
// layout. A file of other than 40 lines changes nothing; whatever loads keeps the
// controls in their ranges, is written as a template again and loads back the same; and
// the layout is checked against grids of a few shapes.
#include "FuzzSupport.h"

#include "import/ImportLayout.h"
#include "import/LayoutTemplate.h"

namespace {

void checkRanges(const ImportLayout& layout)
{
    Fuzz::check(layout.partsIndex >= 0 && layout.partsIndex < ImportLayout::partChoices &&
                    layout.trialsIndex >= 0 && layout.trialsIndex < ImportLayout::trialChoices,
                "the lists' positions stay in their lists");
}

void checkWrittenAgain(const ImportLayout& layout)
{
    const QString path = Fuzz::folder() + QStringLiteral("/again.tpl");
    Fuzz::check(!LayoutTemplate::write(path, layout), "a loaded layout can be saved");
    ImportLayout again = ImportLayout::startLayout();
    const auto problem = LayoutTemplate::load(path, again);
    Fuzz::check(!problem, "a saved template loads", problem ? problem->message : QString());
    Fuzz::check(LayoutTemplate::lines(again) == LayoutTemplate::lines(layout),
                "a saved template loads back the layout it was saved from",
                LayoutTemplate::lines(layout).join(u'|') + QStringLiteral("\n!=\n") +
                    LayoutTemplate::lines(again).join(u'|'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = Fuzz::writeFile(QStringLiteral("layout.tpl"), data, size);
    ImportLayout layout = ImportLayout::startLayout();
    const auto problem = LayoutTemplate::load(path, layout);
    checkRanges(layout);

    QStringList fileLines;
    Fuzz::check(!LayoutTemplate::read(path, fileLines), "a readable template reads");
    if (fileLines.size() != LayoutTemplate::lineCount)
        Fuzz::check(problem && LayoutTemplate::lines(layout) ==
                                   LayoutTemplate::lines(ImportLayout::startLayout()),
                    "a template of other than 40 lines changes nothing");
    if (!problem)
        checkWrittenAgain(layout);

    // The grid shapes: empty, one cell, a small study, the largest the import takes, and
    // one taken from the input's size.
    const int records = int(size % 200);
    for (const auto& [rows, columns] :
         {std::pair{0, 0}, {1, 1}, {40, 12}, {32767, 32767}, {records, records / 4}})
        ValidateImportLayout(layout, rows, columns);
    return 0;
}
