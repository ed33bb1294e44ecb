// Production adapters of the platform services: the locale's date and time texts, Qt's standard
// dialogs and the desktop's link handling. (The clock is the POSIX one, platform/posix/SystemClock.)
#pragma once

#include "platform/Services.h"

#include <QPointer>
#include <QWidget>
#include <functional>

namespace mcb {

class QtDateFormat : public DateFormat {
public:
    std::string ShortDate(int dayNumber) const override;
    std::string LongTime(int secondsOfDay) const override;
};

class QtPrompts : public Prompts {
public:
    // Boxes are centred on the given window; the help hook shows a help topic for the Help button.
    explicit QtPrompts(std::function<QWidget*()> parent = {}, std::function<void(int)> showHelp = {});

    void Message(const UserText& text) override;
    void Error(const UserText& text) override;
    void WarnUnstorable(const std::string& utf8Text) override;
    bool Confirm(const UserText& text) override;
    bool Warn(const std::string& text) override;
    Answer Ask(const std::string& text, int helpTopic) override;
    std::optional<std::string> OpenFileName(const FileDialogSpec& options) override;
    std::optional<std::string> SaveFileName(const FileDialogSpec& options) override;
    std::optional<int> ChooseColour(int stored) override;
    std::optional<FontChoice> ChooseFont(const FontChoice& current, int minPoints, int maxPoints) override;
    // False once the program ends with nobody at the screen (EndModalRuns).
    bool Answering() const override;

protected:
    std::optional<std::string> TypeLine(const std::string& caption, const std::string& prompt,
                                        const std::string& initialUtf8) override;

private:
    QWidget* Parent() const;
    std::optional<std::string> RunFileDialog(const FileDialogSpec& options, int acceptMode, int fileMode);
    std::function<QWidget*()> parent_;
    std::function<void(int)> showHelp_;
};

class QtShell : public Shell {
public:
    // A "file:" link is opened only when the desktop has a program for the file's type.
    bool OpenLink(const std::string& url) override;
};

// Qt name filters from "description|pattern|description|pattern"; every pattern is offered in both
// letter cases, since file names on Linux are case-sensitive.
QStringList NameFilters(const std::string& filter);

} // namespace mcb
