#include "discs/ReminderLetters.h"

#include "catalogue/DiscValues.h"
#include "platform/MailLink.h"
#include "storage/Cp1251.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <charconv>
#include <memory>

namespace mcb {

namespace {

const char* const kSubject = "Долг по дискам";

std::string Trimmed(std::string_view text) {
    return std::string(TrimControl(text));
}

// The letter being built for one debtor: its address, its greeting and date (repeated at the top of
// every further letter to the same debtor), the disc lines so far, and the weight of its link in the
// form the split is measured on ("mailto:" + address + "?Subject=...&body=" + text).
class Letter {
public:
    Letter(std::string address, const std::string& debtor, const Clock& clock, const DateFormat& dateFormat)
        : address_(std::move(address)) {
        head_ = W("Уважаемый(ая) ") + debtor + "!\r\n" + W("  Сегодня ") + dateFormat.ShortDate(clock.Today()) + ", " +
                dateFormat.LongTime(clock.SecondsOfDay()) + ".\r\n\r\n";
        headWeight_ = LetterWeight("mailto:" + address_ + "?Subject=" + W(kSubject) + "&body=") + LetterWeight(head_);
        Restart();
    }

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
    std::string address_, head_, body_;
    int headWeight_ = 0, weight_ = 0;
};

std::string DiscLine(const DebtorsRow& row) {
    const std::string text = Trimmed(row.debt.days);
    long long days = 0; // the list's own decimal text; anything else reads as 0
    std::from_chars(text.data(), text.data() + text.size(), days);
    return W("Вы ") + std::to_string(days) + " " + DayWord(days) + W(" должны диск \"") + row.debt.title + "\".\r\n";
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
            const auto answer = prompts.InputLine(W("Отсутствует e-mail должника ") + debtor,
                                                  W("Для отправки напоминания введите e-mail:"), shown);
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
    std::optional<std::string> debtor; // whose letter is being built
    std::unique_ptr<Letter> letter;    // none while no letter is open
    auto open = [&] {
        if (letter) links.push_back(letter->Link());
        letter.reset();
    };
    for (const DebtorsRow& row : rows) {
        if (!row.ticked) continue;
        if (row.debt.name != debtor) {
            open();
            std::string address = Trimmed(row.debt.mail);
            if (!IsPlainMailAddress(address)) address = ask(row.debt.name, address).value_or(std::string());
            if (address.empty()) continue;
            debtor = row.debt.name;
            letter = std::make_unique<Letter>(std::move(address), row.debt.name, clock, dateFormat);
        }
        if (!letter) continue;
        const std::string line = DiscLine(row);
        if (!letter->Fits(line)) {
            links.push_back(letter->Link());
            letter->Restart();
        }
        letter->Add(line);
    }
    open();
    return links;
}

std::optional<std::string> LoanReminderLink(const LoanReminder& reminder) {
    std::string names = reminder.name1;
    if (!reminder.name2.empty()) names += " - " + reminder.name2;
    return MailLink(
        {Trimmed(reminder.address), W(kSubject),
         reminder.lendingDate + W(" Вы взяли в долг диск <") + names + W(">. Сегодня ") + reminder.today + "."});
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
