#pragma once

#include "rrstudy/modRR.h"

#include <QString>

#include <array>
#include <optional>

// Where the parts of a study lie in a CSV file, as the import window's controls hold
// it: the five block boxes, the study's shape and the trial-row list of every
// appraiser and part. The change rules are those of the window's controls, so a
// template applied here gives what it gives in the window.
struct ImportLayout {
    enum Block { FirstRun = 0, LowerTolerance = 1, UpperTolerance = 2, FeatureName = 3, RunInfo = 4 };
    static constexpr int blockCount = 5;
    static constexpr int partChoices = maxParts - 1;   // "2" to "10"
    static constexpr int trialChoices = maxTrials - 1;  // "2", "3"

    bool twoAppraisers = false;
    bool trialsInOrder = false;
    int partsIndex = 0;   // list position: 0 for "2" parts
    int trialsIndex = 0;  // list position: 0 for "2" trials
    bool runInfoInUse = false;
    std::array<QString, blockCount> blocks;
    // The trial-row list of appraiser a, part p, both from 0.
    std::array<std::array<QString, maxParts>, maxAppraisers> trialLists;

    // What the window shows when it opens: three appraisers, five parts, three trials,
    // trials in order.
    static ImportLayout startLayout();

    int appraiserCount() const { return twoAppraisers ? 2 : 3; }
    int partCount() const { return partsIndex + 2; }
    int trialCount() const { return trialsIndex + 2; }
    bool trialBoxEnabled(int appraiser, int part) const;
    bool blockEnabled(int block) const { return block != RunInfo || runInfoInUse; }

    // The change rules: a new shape refills the trial lists while trials are in order.
    void chooseAppraisers(bool two);
    void chooseParts(int index);
    void chooseTrials(int index);
    void setTrialsInOrder(bool inOrder);
    // Lists of consecutive rows, appraiser 1's parts first, in the enabled boxes only.
    void fillTrialsInOrder();
    void clearTrialBoxes();
};

// What a drop of the grid cell (line, column, from 1) writes into a block box.
QString BlockDropText(int block, int line, int column);

// The number of entries of a trial-row list, or -1 when the list is not valid: it
// needs a comma, and every entry must be a number below the record count.
int TrialListCount(const QString& text, int recordCount);

// The trial rows of one list: entries 1 to 3 as Process reads them.
std::array<QString, maxTrials> TrialRowEntries(const QString& text);

// The number of a row or column block ("R12" gives "12"), and the row and column of
// the first-run block ("R12 - C3"), as text still to be checked.
QString BlockNumberText(const QString& text);
QString FirstRunRowText(const QString& text);
QString FirstRunColumnText(const QString& text);

// Checks a layout against a grid of recordCount lines and columnCount columns; the
// message of the first check that fails, or nothing when the layout is valid.
std::optional<QString> ValidateImportLayout(const ImportLayout& layout, int recordCount,
                                            int columnCount);
