// The undo planner over random journals and random folder contents (a few short names, so that names
// meet: chains, swaps, names taken since, files gone). Rules: only renamed rows are renamed back, each at
// most once and from the last row to the first; every rename back finds its file under the new name and
// the old name free at its turn, so nothing is ever overwritten; and the renames back, carried out on an
// in-memory folder, leave exactly the names the plan foresaw.

#include "AnswerYes.h"
#include "FakeFileSystem.h"
#include "FuzzCheck.h"
#include "engine/undo/UndoPlan.h"

#include <cstddef>
#include <cstdint>
#include <fuzzer/FuzzedDataProvider.h>
#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kNames = {"a", "b", "c", "A", "d.txt", "..", "x/y", ""};

std::string PickName(FuzzedDataProvider& input) {
    return kNames[input.ConsumeIntegralInRange<std::size_t>(0, kNames.size() - 1)];
}

bool Renameable(const std::string& name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    engine::Journal journal;
    journal.folder = "/folder";
    const std::size_t rows = input.ConsumeIntegralInRange<std::size_t>(0, 10);
    for (std::size_t i = 0; i < rows; ++i) {
        std::string oldName = PickName(input);
        journal.rows.push_back({std::move(oldName), PickName(input)});
    }
    if (input.ConsumeBool()) {
        std::vector<bool> done;
        for (std::size_t i = 0; i < rows; ++i)
            done.push_back(input.ConsumeBool());
        journal.done = done;
    }
    std::set<std::string> folder;
    for (const std::string& name : kNames)
        if (Renameable(name) && input.ConsumeBool())
            folder.insert(name);
    const std::vector<std::string> present(folder.begin(), folder.end());

    const engine::UndoPlan plan = engine::PlanUndo(journal, present);

    std::set<std::size_t> seen;
    std::size_t previous = rows;
    std::set<std::string> names = folder;
    for (const std::size_t step : plan.steps) {
        FUZZ_CHECK(step < previous); // the last row first, each once
        previous = step;
        seen.insert(step);
        const engine::RenameRow& row = journal.rows[step];
        FUZZ_CHECK(!journal.done || (*journal.done)[step]);
        FUZZ_CHECK(row.oldName != row.newName && Renameable(row.oldName) && Renameable(row.newName));
        FUZZ_CHECK(names.count(row.newName) == 1 && names.count(row.oldName) == 0);
        names.erase(row.newName);
        names.insert(row.oldName);
    }
    FUZZ_CHECK(names.size() == folder.size());
    // Without an outcome, a row that is not plainly renamed is left alone without a word.
    FUZZ_CHECK(journal.done || plan.failures.empty());
    std::size_t renamedRows = 0;
    for (std::size_t i = 0; i < rows; ++i)
        renamedRows +=
            journal.done && (*journal.done)[i] && journal.rows[i].oldName != journal.rows[i].newName;
    FUZZ_CHECK(!journal.done || plan.steps.size() + plan.failures.size() <= renamedRows);

    fakes::FakeFileSystem files;
    files.AddFolder(journal.folder);
    for (const std::string& name : folder)
        files.AddFile(journal.folder, name, name);
    const auto opened = files.OpenFolder(journal.folder);
    fakes::AnswerYes prompts;
    const engine::UndoResult result = engine::RunUndo(journal, plan, *opened, prompts);
    FUZZ_CHECK(result.renamed == static_cast<int>(plan.steps.size()));
    FUZZ_CHECK(result.failures.size() == plan.failures.size());
    // Every rename back succeeded and nothing stopped it: no row is left for a later undo.
    FUZZ_CHECK(!result.stopped && result.left.empty());
    const std::vector<std::string> after = files.Files(journal.folder);
    FUZZ_CHECK(std::set<std::string>(after.begin(), after.end()) == names);
    return 0;
}
