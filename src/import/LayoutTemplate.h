#pragma once

#include "common/AppError.h"

#include <QStringList>

#include <optional>

struct ImportLayout;

// Whatever a layout template is applied to: the window's controls, whose change
// handlers run as if the user made each choice, or a plain ImportLayout. Each choice
// runs its change rule even when the value does not change, so a template with
// "Trials are in order" always regenerates the trial lists.
class LayoutTemplateTarget
{
public:
    virtual ~LayoutTemplateTarget() = default;

    virtual void chooseAppraisers(bool two) = 0;
    virtual void setTrialsInOrder(bool inOrder) = 0;
    virtual void chooseParts(int index) = 0;
    virtual void chooseTrials(int index) = 0;
    virtual void setRunInfoInUse(bool inUse) = 0;
    virtual bool trialsInOrder() const = 0;
    virtual bool runInfoInUse() const = 0;
    virtual void setBlock(int block, const QString& text) = 0;
    virtual void setTrialList(int appraiser, int part, const QString& text) = 0;
};

// Layout template files (*.tpl): 40 lines ended by CR LF. Line 1 "True" for two
// appraisers, "False" for three; 2 trials in order (1/0); 3 the parts' list position;
// 4 the trials' list position; 5 the run information column in use (1/0); 6 block 4;
// 7 to 10 blocks 0 to 3; 11 to 40 the trial lists of appraisers 1, 2, 3, parts 1 to
// 10. Numbers carry a leading blank when not negative; readers ignore blanks around
// them.
namespace LayoutTemplate {

constexpr int lineCount = 40;

QStringList lines(const ImportLayout& layout);

// Replaces the file whole, or leaves it as it was.
std::optional<AppError> write(const QString& path, const ImportLayout& layout);

// Every line of the file, however many there are.
std::optional<AppError> read(const QString& path, QStringList& lines);

// Applies the lines of a template of lineCount lines in order. A line that does not
// fit its control ends the application with its error; what was applied before it
// stays. Lines 11 to 40 are read only while trials are not in order.
std::optional<AppError> apply(const QStringList& lines, LayoutTemplateTarget& target);
std::optional<AppError> apply(const QStringList& lines, ImportLayout& layout);

// Why a template could not be loaded, as the user is told.
struct LoadProblem {
    QString message;
    bool isError = false;  // an error of the file, shown with a warning icon
};

// Load Template: reads the file and applies it. A file of other than lineCount lines
// changes nothing; an error while applying keeps what was applied before it.
std::optional<LoadProblem> load(const QString& path, LayoutTemplateTarget& target);
std::optional<LoadProblem> load(const QString& path, ImportLayout& layout);

} // namespace LayoutTemplate
