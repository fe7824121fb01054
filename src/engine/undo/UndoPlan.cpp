// Undoing the last batch: which files go back, in which order, and how the failures are told.

#include "engine/undo/UndoPlan.h"

#include "engine/batch/BatchRename.h"
#include "engine/names/RenameableName.h"
#include "engine/names/ShownName.h"
#include "engine/text/EngineText.h"

#include <algorithm>
#include <memory_resource>
#include <string_view>
#include <unordered_set>

namespace engine {
namespace {

// The folder's names as they will be while the plan is carried out, step by step. A name moved in is
// one of the journal's, which outlives the plan's making. The nodes come from an arena: a folder of a
// hundred thousand names would otherwise spend much of the plan's time allocating them one by one.
class NameState {
public:
    explicit NameState(const std::vector<std::string>& present) : names_(&arena_) {
        names_.reserve(present.size());
        names_.insert(present.begin(), present.end());
    }

    bool Has(std::string_view name) const { return names_.count(name) != 0; }
    void Move(std::string_view from, std::string_view to) {
        names_.erase(from);
        names_.insert(to);
    }

private:
    std::pmr::monotonic_buffer_resource arena_;
    std::pmr::unordered_set<std::string_view> names_;
};

std::string Files(std::size_t count) {
    return Fill(count == 1 ? ENGINE_TEXT("Undo", "%1 file") : ENGINE_TEXT("Undo", "%1 files"),
                {std::to_string(count)});
}

} // namespace

UndoPlan PlanUndo(const Journal& journal, const std::vector<std::string>& present) {
    UndoPlan plan;
    NameState names(present);
    const auto& rows = journal.rows;
    for (std::size_t i = rows.size(); i-- > 0;) {
        const RenameRow& row = rows[i];
        const bool known = journal.done.has_value();
        if ((known && !(*journal.done)[i]) || row.oldName == row.newName) {
            continue;
        }
        // The same refusals as the batch: a name that could leave the folder is never handed on.
        if (!IsRenameableName(row.oldName) || !IsRenameableName(row.newName)) {
            if (known) {
                plan.failures.push_back({row.newName, ENGINE_TEXT("Undo", "its name is not allowed")});
            }
            continue;
        }
        const bool newThere = names.Has(row.newName);
        const bool oldThere = names.Has(row.oldName);
        if (newThere && !oldThere) {
            plan.steps.push_back(i);
            names.Move(row.newName, row.oldName);
        } else if (known && newThere) {
            plan.failures.push_back({row.newName, ENGINE_TEXT("Undo", "a file of the old name exists")});
        } else if (known && !oldThere) {
            plan.failures.push_back({row.newName, ENGINE_TEXT("Undo", "it is no longer there")});
        }
    }
    std::reverse(plan.failures.begin(), plan.failures.end());
    return plan;
}

UndoResult RunUndo(const Journal& journal, const UndoPlan& plan, FolderRenamer& folder,
                   BatchPrompts& prompts) {
    UndoResult result;
    result.failures = plan.failures;
    const int total = static_cast<int>(plan.steps.size());
    for (std::size_t tried = 0; tried < plan.steps.size(); ++tried) {
        const std::size_t step = plan.steps[tried];
        if (!result.stopped && !prompts.Proceed(static_cast<int>(tried), total)) {
            result.stopped = true;
        }
        if (result.stopped) {
            result.left.push_back(step);
            continue;
        }
        const RenameRow& row = journal.rows[step];
        if (folder.Rename(row.newName, row.oldName)) {
            ++result.renamed;
            continue;
        }
        // The folder changed since the plan was made (the rename refused to overwrite, or found nothing),
        // or the system refused; the row stays for a later try. A rename back that left the file under
        // another name says where it is.
        const std::string reason = folder.FailureReason();
        std::string text = reason.empty() ? ENGINE_TEXT("Undo", "the rename back failed") : reason;
        if (const std::string note = StrandedNote(journal.folder, folder); !note.empty())
            text = Fill(ENGINE_TEXT("Undo", "%1, %2"), {text, note});
        result.failures.push_back({row.newName, std::move(text)});
        result.left.push_back(step);
    }
    return result;
}

std::string UndoQuestion(std::size_t files, const std::string& folder, const LocalTime& madeAt,
                         const LocalTime& now) {
    const auto twoDigits = [](int number) {
        std::string text = number < 10 ? "0" : "";
        return text += std::to_string(number);
    };
    const std::string clock = twoDigits(madeAt.hour) + ":" + twoDigits(madeAt.minute);
    const std::string day =
        std::to_string(madeAt.year) + "-" + twoDigits(madeAt.month) + "-" + twoDigits(madeAt.day);
    const std::string when = madeAt.SameDay(now)
                                 ? Fill(ENGINE_TEXT("Undo", "made at %1"), {clock})
                                 : Fill(ENGINE_TEXT("Undo", "made on %1 at %2"), {day, clock});
    return Fill(ENGINE_TEXT("Undo", "Undo the renaming of %1 in %2, %3?"),
                {Files(files), ShownName(folder), when});
}

std::string UndoFailureReport(const std::vector<UndoFailure>& failures, std::size_t shown) {
    std::string list;
    for (std::size_t i = 0; i < failures.size() && i < shown; ++i) {
        if (i != 0) {
            list += ", ";
        }
        list += Fill(ENGINE_TEXT("Undo", "%1 (%2)"), {ShownName(failures[i].name), failures[i].reason});
    }
    if (failures.size() > shown) {
        list = Fill(ENGINE_TEXT("Undo", "%1 and %2 more"), {list, std::to_string(failures.size() - shown)});
    }
    return Fill(ENGINE_TEXT("Undo", "%1 could not be renamed back: %2."), {Files(failures.size()), list});
}

} // namespace engine
