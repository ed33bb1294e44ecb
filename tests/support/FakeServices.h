// Test doubles of the platform services: a fixed date, fixed date and time texts, and prompts that
// answer from a script and record every question asked.
#pragma once

#include "platform/Services.h"
#include "storage/TextCodec.h"

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

// Every question takes the next scripted reply and every box is recorded in `asked`; a question
// without a reply fails the test by throwing.
class ScriptedPrompts : public Prompts {
public:
    struct Reply {
        Answer answer = Answer::Yes;
        std::optional<std::string> text; // input line or file name; nothing = cancelled
        bool typed = false;              // text is UTF-8 as typed rather than Windows-1251
        std::optional<int> colour;
        std::optional<FontChoice> font;
    };

    void Expect(Answer answer) { replies_.push_back({answer, std::nullopt, false, std::nullopt, std::nullopt}); }
    // An input line's text in Windows-1251, or a native file name; nothing cancels.
    void ExpectText(std::optional<std::string> text) {
        replies_.push_back({Answer::Yes, std::move(text), false, std::nullopt, std::nullopt});
    }
    // An input line typed in UTF-8, for characters that Windows-1251 cannot hold.
    void ExpectTyped(std::string utf8) {
        replies_.push_back({Answer::Yes, std::move(utf8), true, std::nullopt, std::nullopt});
    }
    void ExpectColour(std::optional<int> colour) {
        replies_.push_back({Answer::Yes, std::nullopt, false, colour, std::nullopt});
    }
    void ExpectFont(std::optional<FontChoice> font) {
        replies_.push_back({Answer::Yes, std::nullopt, false, std::nullopt, std::move(font)});
    }

    // Recorded in their Windows-1251 form; `texts` keeps every message, error and confirmation whole.
    void Message(const UserText& text) override {
        texts.push_back(text);
        asked.push_back("message: " + text.Cp1251());
    }
    void Error(const UserText& text) override {
        texts.push_back(text);
        asked.push_back("error: " + text.Cp1251());
    }
    void WarnUnstorable(const std::string& utf8Text) override { asked.push_back("unstorable: " + utf8Text); }
    bool Confirm(const UserText& text) override {
        texts.push_back(text);
        return Next("confirm: " + text.Cp1251()).answer == Answer::Yes;
    }
    bool Warn(const std::string& text) override { return Next("warn: " + text).answer == Answer::Yes; }
    Answer Ask(const std::string& text, int) override { return Next("ask: " + text).answer; }
    std::optional<std::string> OpenFileName(const FileDialogSpec& options) override {
        return Next("open: " + options.title).text;
    }
    std::optional<std::string> SaveFileName(const FileDialogSpec& options) override {
        return Next("save: " + options.title).text;
    }
    std::optional<int> ChooseColour(int stored) override { return Next("colour: " + std::to_string(stored)).colour; }
    std::optional<FontChoice> ChooseFont(const FontChoice& current, int minPoints, int maxPoints) override {
        return Next("font: " + current.family + " " + std::to_string(current.points) + " (" +
                    std::to_string(minPoints) + ".." + std::to_string(maxPoints) + ")")
            .font;
    }

    bool Exhausted() const { return replies_.empty(); }

    std::vector<std::string> asked;
    std::vector<UserText> texts;
    std::vector<std::string> typedInitials; // UTF-8 text each input line was opened with

protected:
    std::optional<std::string> TypeLine(const std::string& caption, const std::string& prompt,
                                        const std::string& initialUtf8) override {
        typedInitials.push_back(initialUtf8);
        const Reply reply = Next("input: " + caption + " / " + prompt);
        if (!reply.text || reply.typed) return reply.text;
        return Utf8FromCp1251(*reply.text);
    }

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
    void Error(const UserText&) override {}
    void WarnUnstorable(const std::string&) override {}
    bool Confirm(const UserText&) override { return true; }
    bool Warn(const std::string&) override { return true; }
    Answer Ask(const std::string&, int) override { return Answer::Yes; }
    std::optional<std::string> OpenFileName(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<std::string> SaveFileName(const FileDialogSpec&) override { return std::nullopt; }
    std::optional<int> ChooseColour(int) override { return std::nullopt; }
    std::optional<FontChoice> ChooseFont(const FontChoice&, int, int) override { return std::nullopt; }

protected:
    std::optional<std::string> TypeLine(const std::string&, const std::string&, const std::string&) override {
        return Utf8FromCp1251(input_);
    }

private:
    std::string input_;
};

// Records every link the program hands to the desktop; `opens` says whether a program took it.
class RecordingShell : public Shell {
public:
    bool OpenLink(const std::string& url) override {
        links.push_back(url);
        return opens;
    }
    std::vector<std::string> links;
    bool opens = true;
};

} // namespace mcb::test
