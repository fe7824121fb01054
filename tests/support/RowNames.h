#pragma once

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <string_view>

// Names the cases of a table-driven test after its rows. Every row type has a field `label` that says in
// words what the row is about; a suite is instantiated with RowLabel as its name generator, and a test
// file brings in the printer with `using rownames::PrintTo;` so that a failure names its row too.
namespace rownames {

// A case name GoogleTest accepts (ASCII letters, digits and '_') that still reads as the label: every run
// of other characters becomes one '_', and none is left at either end. Empty when the label has no letter
// or digit, which GoogleTest refuses with the suite's name.
inline std::string CaseName(std::string_view label) {
    std::string name;
    bool gap = false;
    for (const char c : label) {
        const bool kept =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        if (!kept) {
            gap = true;
            continue;
        }
        if (gap && !name.empty() && name.back() != '_' && c != '_')
            name += '_';
        gap = false;
        name += c;
    }
    return name;
}

template <class Row>
concept Labelled = requires(const Row& row) {
    std::string_view(row.label);
};

// The name generator of INSTANTIATE_TEST_SUITE_P for rows with a label.
struct RowLabel {
    template <Labelled Row> std::string operator()(const testing::TestParamInfo<Row>& info) const {
        return CaseName(info.param.label);
    }
};

template <Labelled Row> void PrintTo(const Row& row, std::ostream* out) {
    *out << row.label;
}

} // namespace rownames
