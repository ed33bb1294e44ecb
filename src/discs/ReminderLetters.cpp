#include "discs/ReminderLetters.h"

#include "catalogue/DiscValues.h"
#include "platform/MailLink.h"
#include "storage/Cp1251.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <charconv>
#include <map>
#include <memory>

namespace mcb {

namespace {

const char* const kSubject = "Долг по дискам";

std::string Trimmed(std::string_view text) {
    return std::string(TrimControl(text));
}

// What is left of `room` characters after `used` of them.
std::size_t Left(std::size_t room, std::size_t used) {
    return used < room ? room - used : 0;
}

// The letter being built for one debtor: its address, its greeting and date (repeated at the top of
// every further letter to the same debtor), the disc lines so far, and the weight of its link in the
// form the split is measured on ("mailto:" + address + "?Subject=...&body=" + text). A name too long
// for a link is shortened in the greeting, so that the greeting takes at most half the link.
class Letter {
public:
    Letter(std::string address, const std::string& debtor, const Clock& clock, const DateFormat& dateFormat)
        : address_(std::move(address)) {
        const std::string greeting = W("Уважаемый(ая) "),
                          date = "!\r\n" + W("  Сегодня ") + dateFormat.ShortDate(clock.Today()) + ", " +
                                 dateFormat.LongTime(clock.SecondsOfDay()) + ".\r\n\r\n";
        const std::size_t nameRoom = Left(kMailLinkCap / 2, LinkLength(greeting + date));
        head_ = greeting + ShortenedForLink(debtor, nameRoom) + date;
        headWeight_ = LetterWeight("mailto:" + address_ + "?Subject=" + W(kSubject) + "&body=") + LetterWeight(head_);
        lineRoom_ = Left(kMailLinkCap, LinkLength(head_));
        Restart();
    }

    // Characters one disc line may take in the link besides the greeting.
    std::size_t LineRoom() const { return lineRoom_; }
    bool HasLines() const { return body_.size() > head_.size(); }
    bool Fits(const std::string& line) const { return weight_ + LetterWeight(line) <= kLetterWeightLimit; }
    void Add(const std::string& line) {
        body_ += line;
        weight_ += LetterWeight(line);
    }
    void Restart() {
        body_ = head_;
        weight_ = headWeight_;
    }
    std::string Link() const { return MailLink({address_, W(kSubject), body_}).value_or(std::string()); }

private:
    std::size_t LinkLength(const std::string& body) const {
        return MailLink({address_, W(kSubject), body}).value_or(std::string()).size();
    }

    std::string address_, head_, body_;
    int headWeight_ = 0, weight_ = 0;
    std::size_t lineRoom_ = 0;
};

struct AddressBox {
    std::string caption, prompt;
};

// The box names the debtor in its text too, and says whether his address is missing or, shown for
// correction, not usable.
AddressBox AddressBoxFor(const std::string& debtor, const std::string& shown) {
    if (shown.empty())
        return {W("Отсутствует e-mail должника ") + debtor,
                W("У должника ") + debtor + W(" нет адреса e-mail.\nДля отправки напоминания введите e-mail:")};
    return {W("Неверный e-mail должника ") + debtor,
            W("Адрес \"") + shown + W("\" должника ") + debtor +
                W(" не подходит для письма.\nДля отправки напоминания введите e-mail:")};
}

// A title too long for the link is shortened inside its line.
std::string DiscLine(const DebtorsRow& row, std::size_t room) {
    const std::string text = Trimmed(row.debt.days);
    long long days = 0; // the list's own decimal text; anything else reads as 0
    std::from_chars(text.data(), text.data() + text.size(), days);
    const std::string before = W("Вы ") + std::to_string(days) + " " + DayWord(days) + W(" должны диск \""),
                      after = "\".\r\n";
    return before + ShortenedForLink(row.debt.title, Left(room, EncodedBodyLength(before + after))) + after;
}

// The ticked rows of each debtor, told apart by contact index, so that two contacts of the same name
// get a letter each; debtors in the order of their first ticked row.
std::vector<std::vector<const DebtorsRow*>> TickedByDebtor(const std::vector<DebtorsRow>& rows) {
    std::vector<std::vector<const DebtorsRow*>> debtors;
    std::map<std::string, std::size_t> position;
    for (const DebtorsRow& row : rows) {
        if (!row.ticked) continue;
        const auto [at, added] = position.emplace(row.debt.contact, debtors.size());
        if (added) debtors.emplace_back();
        debtors[at->second].push_back(&row);
    }
    return debtors;
}

// A debtor without a plain address is asked at each of his ticked rows until he gets one. A letter
// takes lines while it weighs no more than the limit, and always its first line.
void LettersToDebtor(const std::vector<const DebtorsRow*>& rows, const Clock& clock, const DateFormat& dateFormat,
                     const AddressQuestion& ask, std::vector<std::string>& links) {
    std::unique_ptr<Letter> letter;
    for (const DebtorsRow* row : rows) {
        if (!letter) {
            std::string address = Trimmed(row->debt.mail);
            if (!IsPlainMailAddress(address)) address = ask(row->debt.name, address).value_or(std::string());
            if (address.empty()) continue;
            letter = std::make_unique<Letter>(std::move(address), row->debt.name, clock, dateFormat);
        }
        const std::string line = DiscLine(*row, letter->LineRoom());
        if (letter->HasLines() && !letter->Fits(line)) {
            links.push_back(letter->Link());
            letter->Restart();
        }
        letter->Add(line);
    }
    if (letter) links.push_back(letter->Link());
}

} // namespace

int PluralForm(long long n) {
    const long long r = n % 10, tens = n % 100;
    if (tens >= 11 && tens <= 14) return 2;
    if (r == 1) return 0;
    return r >= 2 && r <= 4 ? 1 : 2;
}

std::string DayWord(long long n) {
    static const char* const kWords[] = {"день", "дня", "дней"};
    return W(kWords[PluralForm(n)]);
}

std::string LettersCreatedText(int letters) {
    static const char* const kWords[] = {"письмо-напоминание.", "письма-напоминания.", "писем-напоминаний."};
    return W("Создано ") + std::to_string(letters) + " " + W(kWords[PluralForm(letters)]);
}

int LetterWeight(std::string_view text) {
    int weight = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            weight += 6;
            ++i;
        } else {
            weight += text[i] == ' ' ? 3 : 1;
        }
    }
    return weight;
}

AddressQuestion PromptForAddress(Prompts& prompts) {
    return [&prompts](const std::string& debtor, const std::string& stored) -> std::optional<std::string> {
        std::string shown = stored;
        while (true) {
            const AddressBox box = AddressBoxFor(debtor, shown);
            const auto answer = prompts.InputLine(box.caption, box.prompt, shown);
            if (!answer) return std::nullopt;
            shown = Trimmed(*answer);
            if (shown.empty()) return std::nullopt;
            if (IsPlainMailAddress(shown)) return shown;
        }
    };
}

std::vector<std::string> ComposeLetters(const std::vector<DebtorsRow>& rows, const Clock& clock,
                                        const DateFormat& dateFormat, const AddressQuestion& ask) {
    std::vector<std::string> links;
    for (const auto& debtor : TickedByDebtor(rows)) LettersToDebtor(debtor, clock, dateFormat, ask, links);
    return links;
}

// Names too long for the link are shortened, so that the sentence always ends.
std::optional<std::string> LoanReminderLink(const LoanReminder& reminder) {
    std::string names = reminder.name1;
    if (!reminder.name2.empty()) names += " - " + reminder.name2;
    const auto draft = [&](const std::string& shown) {
        return MailDraft{Trimmed(reminder.address), W(kSubject),
                         reminder.lendingDate + W(" Вы взяли в долг диск <") + shown + W(">. Сегодня ") +
                             reminder.today + "."};
    };
    const std::optional<std::string> frame = MailLink(draft(""));
    if (!frame) return std::nullopt;
    return MailLink(draft(ShortenedForLink(names, Left(kMailLinkCap, frame->size()))));
}

LettersOpened OpenLetters(const std::vector<std::string>& links, Shell& shell) {
    LettersOpened letters;
    for (const std::string& link : links) ++(shell.OpenLink(link) ? letters.opened : letters.failed);
    return letters;
}

std::string MailProgramFailedText() {
    return W("Не удалось открыть почтовую программу.");
}

std::vector<std::string> ClosingMessages(const LettersOpened& letters) {
    std::vector<std::string> messages;
    if (letters.failed > 0) messages.push_back(MailProgramFailedText());
    messages.push_back(LettersCreatedText(letters.opened));
    return messages;
}

std::optional<std::string> DiscReminderLink(const TIniFile& catalogue, const std::string& discId, const Clock& clock,
                                            const DateFormat& dateFormat) {
    const DiscValues disc = ReadDiscValues(catalogue, discId);
    if (!disc.IsLent()) return std::nullopt;
    return LoanReminderLink({catalogue.ReadString("Contacts", disc.Gin + "_mail", ""),
                             dateFormat.ShortDate(DayValue(disc.Giv)), disc.Nam, disc.Nam2,
                             dateFormat.ShortDate(clock.Today())});
}

} // namespace mcb
