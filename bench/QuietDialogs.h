#pragma once

#include "main/Dialogs.h"

#include <cstdio>
#include <string>

// The window's boxes for benchmarks, none of them shown. CountingDialogs counts them and answers every
// question `answer`; PrintingDialogs prints each message on stderr and answers every question No.
class CountingDialogs : public Dialogs {
public:
    void ShowMessage(const std::string&) override { ++boxes; }
    bool Confirm(const std::string&) override { return ++boxes, answer; }
    int boxes = 0;
    bool answer = false;
};

class PrintingDialogs : public Dialogs {
public:
    void ShowMessage(const std::string& text) override { std::fprintf(stderr, "box: %s\n", text.c_str()); }
    bool Confirm(const std::string&) override { return false; }
};
