#pragma once

#include <locale>
#include <string>
#include <utility>

namespace calc {

// How a locale writes a number, in UTF-8: its decimal mark, the separator between digit groups,
// the group sizes in numpunct's form, and whether a value below 1 shows a 0 before the mark.
struct NumberMarks {
    std::string decimalMark;
    std::string groupSeparator;
    std::string grouping;
    bool leadingZero = true;
};

// A locale facet that carries NumberMarks whole, for conventions that numpunct cannot hold: marks
// of several characters and the choice of a leading zero, both of which Windows users can set.
// ResultFormat prefers it to the locale's numpunct facet.
class NumberMarksFacet : public std::locale::facet {
public:
    static inline std::locale::id id;
    explicit NumberMarksFacet(NumberMarks marks)
        : marks_(std::move(marks)) {}
    const NumberMarks& marks() const { return marks_; }

private:
    NumberMarks marks_;
};

} // namespace calc
