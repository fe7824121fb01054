#pragma once

#include "main/Dialogs.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <deque>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

// Answers the window's boxes from a script and records every box shown, in order.
class DialogsRecorder : public Dialogs {
public:
    struct Box {
        bool confirm = false;
        std::string text;
    };

    void ShowMessage(const std::string& text) override { boxes_.push_back({false, text}); }
    bool Confirm(const std::string& text) override {
        boxes_.push_back({true, text});
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected confirmation: " << text;
            return false;
        }
        const bool answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    void Answer(bool yes) { answers_.push_back(yes); }
    const std::vector<Box>& Boxes() const { return boxes_; }
    // The texts of the plain messages alone.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes_)
            if (!box.confirm)
                texts.push_back(box.text);
        return texts;
    }
    std::vector<std::string> Questions() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes_)
            if (box.confirm)
                texts.push_back(box.text);
        return texts;
    }
    void Clear() { boxes_.clear(); }

private:
    std::vector<Box> boxes_;
    std::deque<bool> answers_;
};

// A fresh folder on disk for one test, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tsw-window-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary folder");
        path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path() const { return path_.string(); }
    std::string Sub(const std::string& name) const { return (path_ / name).string(); }

    void Add(const std::string& name, const std::string& content = "x") const {
        std::ofstream out(path_ / name, std::ios::binary);
        out << content;
        if (!out)
            throw std::runtime_error("cannot write " + name);
    }
    void AddFolder(const std::string& name) const { std::filesystem::create_directories(path_ / name); }
    // The names of the files and folders in it, in byte order.
    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.insert(entry.path().filename().string());
        return names;
    }

private:
    std::filesystem::path path_;
};

// Processes events until the condition holds or two seconds have passed; true when it holds.
template <class Condition> bool WaitUntil(Condition condition) {
    QDeadlineTimer deadline(2000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}
