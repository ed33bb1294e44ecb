// The reminder mails: the letters "Создать письма" composes for the ticked debts, the single
// reminder of the information panel, and the Russian plural forms their texts need.
#pragma once

#include "discs/DebtorsList.h"
#include "platform/Services.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

class TIniFile;

// Which of the three Russian forms goes with the number n: 1, 21, 101 take the first; 2-4, 22-24 the
// second; 0, 5-20, 25-30 and every number ending in 11-14 the third.
int PluralForm(long long n);

// "день", "дня" or "дней" for n days (Windows-1251).
std::string DayWord(long long n);

// The closing message of "Создать письма": "Создано <n> " + the letter word.
std::string LettersCreatedText(int letters);

// The weight by which the letters are split: a blank weighs 3, a line break (CR LF) 6, every other
// character 1 - the length the text has with blanks and line breaks escaped as %20 and %0D%0A.
int LetterWeight(std::string_view text);

// A letter grows until one more disc line would make it weigh more than this.
inline constexpr int kLetterWeightLimit = 380;

// The address a letter goes to when the debt's stored e-mail is not a usable address: the debtor's
// name and the stored e-mail (trimmed) in, a plain address or nothing (skip this debtor) out.
using AddressQuestion = std::function<std::optional<std::string>(const std::string& debtor, const std::string& stored)>;

// Asks with the input box "Отсутствует e-mail должника <debtor>", or "Неверный e-mail должника
// <debtor>" with the stored address shown when it is not a plain address; an answer that is not a
// plain address is asked again the same way; cancelling or an empty answer skips the debtor.
AddressQuestion PromptForAddress(Prompts& prompts);

// The "mailto:" links of "Создать письма", in the order they are opened: the ticked rows of each
// debtor (told apart by contact index, in the order of their first ticked row) in letters split where
// a letter would outweigh the limit, each part repeating the greeting and the date; a first line
// heavier than the limit goes alone. A debtor without a plain address gets `ask` (at each of his
// ticked rows until he has a letter); when it gives nothing, that row is skipped. A title too long
// for a link is shortened with "…", so no link is cut.
std::vector<std::string> ComposeLetters(const std::vector<DebtorsRow>& rows, const Clock& clock,
                                        const DateFormat& dateFormat, const AddressQuestion& ask);

// Hands each link to the shell; a link the shell could not open is not counted as a letter.
struct LettersOpened {
    int opened = 0;
    int failed = 0;
};
LettersOpened OpenLetters(const std::vector<std::string>& links, Shell& shell);

// The messages after "Создать письма": that the mail program did not open (when a link failed),
// then "Создано <n> ..." with the letters actually opened.
std::vector<std::string> ClosingMessages(const LettersOpened& letters);

// Said when the shell could not hand a letter to the mail program.
std::string MailProgramFailedText();

// The panel's single reminder for a lent disc: nothing when the address is not a plain address.
struct LoanReminder {
    std::string address;     // the debtor's e-mail as stored
    std::string lendingDate; // as the panel shows it
    std::string name1, name2;
    std::string today; // today's short date
};
std::optional<std::string> LoanReminderLink(const LoanReminder& reminder);

// The same for a disc of the catalogue, with its debtor's e-mail, its names and its lending date;
// nothing for a disc that is not lent or whose debtor has no plain address.
std::optional<std::string> DiscReminderLink(const TIniFile& catalogue, const std::string& discId, const Clock& clock,
                                            const DateFormat& dateFormat);

} // namespace mcb
