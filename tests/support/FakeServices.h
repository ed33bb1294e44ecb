// Test doubles of the platform services: a fixed date, fixed date and time texts, and prompts that
// answer from a script and record every question asked.
#pragma once

#include "platform/Services.h"

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace mcb::test {

class FixedClock : public Clock {
public:
    explicit FixedClock(int today = 46364, int seconds = 16 * 3600 + 45 * 60 + 19) : today_(today), seconds_(seconds) {}
    int Today() const override { return today_; }
    int SecondsOfDay() const override { return seconds_; }
    void Set(int today) { today_ = today; }

private:
    int today_;
    int seconds_;
};

// Day numbers shown as "D<n>" and times as "T<seconds>", so tests see which value was formatted.
class FixedDateFormat : public DateFormat {
public:
    std::string ShortDate(int dayNumber) const override { return Tagged('D', dayNumber); }
    std::string LongTime(int secondsOfDay) const override { return Tagged('T', secondsOfDay); }

private:
    static std::string Tagged(char tag, int value) { return std::string(1, tag).append(std::to_string(value)); }
};

// Every prompt takes the next scripted reply; a prompt without one fails the test by throwing.
class ScriptedPrompts : public Prompts {
public:
    struct Reply {
        Answer answer = Answer::Yes;
        std::optional<std::string> text; // input line or file name; nothing = cancelled
    };

    void Expect(Answer answer) { replies_.push_back({answer, std::nullopt}); }
    void ExpectText(std::optional<std::string> text) { replies_.push_back({Answer::Yes, std::move(text)}); }

    // Recorded in their Windows-1251 form; `texts` keeps every message and confirmation whole.
    void Message(const UserText& text) override {
        texts.push_back(text);
        asked.push_back("message: " + text.Cp1251());
    }
    bool Confirm(const UserText& text) override {
        texts.push_back(text);
        return Next("confirm: " + text.Cp1251()).answer == Answer::Yes;
    }
    bool Warn(const std::string& text) override { return Next("warn: " + text).answer == Answer::Yes; }
    Answer Ask(const std::string& text, int) override { return Next("ask: " + text).answer; }
    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string&) override {
        return Next("input: " + caption + " / " + prompt).text;
    }
    std::optional<std::string> OpenFileName(const FileDialogSpec& options) override {
        return Next("open: " + options.title).text;
    }
    std::optional<std::string> SaveFileName(const FileDialogSpec& options) override {
        return Next("save: " + options.title).text;
    }

    bool Exhausted() const { return replies_.empty(); }

    std::vector<std::string> asked;
    std::vector<UserText> texts;

private:
    Reply Next(const std::string& question) {
        asked.push_back(question);
        if (replies_.empty()) throw std::logic_error("unexpected prompt: " + question);
        Reply reply = replies_.front();
        replies_.pop_front();
        return reply;
    }

    std::deque<Reply> replies_;
};

// Answers every question with Yes and every input line with a fixed text; cancels file dialogs.
// For benchmarks and loops where the questions themselves are not under test.
class AgreeingPrompts : public Prompts {
public:
    explicit AgreeingPrompts(std::string input = "Bench") : input_(std::move(input)) {}
    void Message(const UserText&) override {}
    bool Confirm(const UserText&) override { return true; }
    bool Warn(const std::string&) override { return true; }
    Answer Ask(const std::string&, int) override { return Answer::Yes; }
    std::optional<std::string> InputLine(const std::string&, const std::string&, const std::string&) override {
        return input_;
    }
    std::optional<std::string> OpenFileName(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<std::string> SaveFileName(const FileDialogSpec&) override { return std::nullopt; }

private:
    std::string input_;
};

} // namespace mcb::test
