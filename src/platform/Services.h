// Platform services that the program's logic asks for. The windows install adapters built on Qt and
// POSIX; tests install doubles. Every text crossing these interfaces is Windows-1251, except file
// paths, which are native file-system paths (UTF-8 on Linux); a message that names a file carries
// its path apart (UserText).
#pragma once

#include "storage/UserText.h"

#include <optional>
#include <string>

namespace mcb {

class Clock {
public:
    virtual ~Clock() = default;
    // Today as a day number: whole days since 30 December 1899.
    virtual int Today() const = 0;
    // Seconds since midnight, local time.
    virtual int SecondsOfDay() const = 0;
};

class DateFormat {
public:
    virtual ~DateFormat() = default;
    // The user's short date form of a day number, for example 08.12.2026.
    virtual std::string ShortDate(int dayNumber) const = 0;
    // The user's long time form of a time of day, for example 16:45:19.
    virtual std::string LongTime(int secondsOfDay) const = 0;
};

enum class Answer { Yes, No, Cancel, Help };

// A font by its family name (Windows-1251) and size in points.
struct FontChoice {
    std::string family;
    int points = 10;
};

struct FileDialogSpec {
    std::string title;
    // Filter pairs in the form "description|pattern|description|pattern".
    std::string filter;
    std::string initialPath; // folder or proposed file, may be empty
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // A plain message box with an OK button.
    virtual void Message(const UserText& text) = 0;
    // An error box with an OK button, for failures the program reports (a file that cannot be written).
    virtual void Error(const UserText& text) = 0;
    // A warning with an OK button that names characters Windows-1251 cannot hold; so that it can name
    // them, its text is UTF-8 (UnstorableMessage gives it).
    virtual void WarnUnstorable(const std::string& utf8Text) = 0;
    // A confirmation with the buttons Yes and No; true for Yes.
    virtual bool Confirm(const UserText& text) = 0;
    // A warning with the buttons Yes and No; true for Yes.
    virtual bool Warn(const std::string& text) = 0;
    // A question with the buttons Yes, No and Help (help topic given); closing the box gives Cancel.
    virtual Answer Ask(const std::string& text, int helpTopic) = 0;
    // A one-line input box; nothing when cancelled. What the user types goes into Windows-1251 files,
    // so a text with characters the code page cannot hold is refused with the message naming them and
    // offered again as typed; the answer can always be stored.
    std::optional<std::string> InputLine(const std::string& caption, const std::string& prompt,
                                         const std::string& initial);
    // File dialogs; the open dialog accepts only existing files, the save dialog asks before
    // replacing the file as named (the caller adds a missing extension itself). They return a native
    // path, nothing when cancelled.
    virtual std::optional<std::string> OpenFileName(const FileDialogSpec& options) = 0;
    virtual std::optional<std::string> SaveFileName(const FileDialogSpec& options) = 0;
    // A colour choice starting from a stored colour (24 bits, red in the lowest byte); nothing when
    // cancelled.
    virtual std::optional<int> ChooseColour(int stored) = 0;
    // A font choice among the installed fonts (only existing ones can be taken) and the sizes
    // minPoints..maxPoints, starting from `current`; nothing when cancelled.
    virtual std::optional<FontChoice> ChooseFont(const FontChoice& current, int minPoints, int maxPoints) = 0;
    // False when nobody will answer any more (the program is being ended): a loop that waits for an
    // answer stops.
    virtual bool Answering() const { return true; }

protected:
    // The input box of InputLine as the user sees it: caption and prompt Windows-1251, the initial and
    // the typed text UTF-8 exactly as typed.
    virtual std::optional<std::string> TypeLine(const std::string& caption, const std::string& prompt,
                                                const std::string& initialUtf8) = 0;
};

// Shows the refusal, if there is one; true when it did (the caller then stops).
bool SayRefusal(Prompts& prompts, const std::optional<UserText>& refusal);

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a link (mailto:, https:) with the user's programs; false when that failed.
    virtual bool OpenLink(const std::string& url) = 0;
};

} // namespace mcb
