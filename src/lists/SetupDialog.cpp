#include "lists/SetupDialog.h"

#include "storage/Cp1251.h"
#include "storage/Literal.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace mcb {

namespace {

// A sign and at least one digit, nothing else; digits beyond any range saturate, so that a long
// number still comes to the upper bound.
std::optional<long long> WholeNumber(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = std::min<long long>(value * 10 + (c - '0'), std::numeric_limits<int>::max() + 1LL);
    }
    return negative ? -value : value;
}

void ClampNumbers(SetupSettings& s) {
    s.Truncate = ClampToRange(s.Truncate, kTruncateRange);
    s.NewCDdays = ClampToRange(s.NewCDdays, kNewDiscDaysRange);
    s.MagazLines = ClampToRange(s.MagazLines, kJournalLinesRange);
    s.DolgDays = ClampToRange(s.DolgDays, kDebtDaysRange);
}

} // namespace

int ClampToRange(long long value, SpinRange range) {
    return int(std::clamp<long long>(value, range.lowest, range.highest));
}

int SpinValue(std::string_view text, SpinRange range) {
    const auto number = WholeNumber(text);
    return number ? ClampToRange(*number, range) : range.lowest;
}

bool SpinAcceptsChar(char32_t c, char32_t decimalSeparator) {
    return (c >= U'0' && c <= U'9') || c == U'-' || c == U'+' || c == decimalSeparator;
}

const std::array<EventBox, 5>& EventBoxes() {
    static const std::array<EventBox, 5> boxes{{{1, "CBNew", W("Добавление диска")},
                                                {2, "CBEdit", W("Изменение диска")},
                                                {4, "CBDelete", W("Удаление диска")},
                                                {8, "CBGive", W("Отдача диска в долг")},
                                                {16, "CBReturn", W("Возврат диска")}}};
    return boxes;
}

std::array<bool, 5> EventChecks(int events) {
    std::array<bool, 5> checks{};
    for (std::size_t i = 0; i < checks.size(); ++i) checks[i] = (events & EventBoxes()[i].bit) != 0;
    return checks;
}

int EventBits(const std::array<bool, 5>& checks) {
    int events = 0;
    for (std::size_t i = 0; i < checks.size(); ++i)
        if (checks[i]) events += EventBoxes()[i].bit;
    return events;
}

std::vector<std::string> SortItems(const TableLayout& layout) {
    std::vector<std::string> items{W("Без сортировки")};
    items.insert(items.end(), layout.headers.begin() + 1, layout.headers.end());
    return items;
}

constexpr int kSortItems = int(std::tuple_size_v<decltype(TableLayout::headers)>);

SetupSettings SetupDialog::Show(const SetupSettings& stored) {
    rebuild_ = false;
    SetupSettings shown = stored;
    ClampNumbers(shown);
    shown.SortOrder = std::clamp(shown.SortOrder, 0, kSortItems - 1);
    return shown;
}

void SetupDialog::ChooseSort(SetupSettings& stored, int item) {
    if (item < 0 || item >= kSortItems) return;
    stored.SortOrder = item;
    rebuild_ = true;
}

void SetupDialog::ControlChanged(std::string_view controlName) {
    static constexpr std::string_view kTableControls[] = {"LBSort", "ShowNew", "EmptyFields", "CBColorDolg",
                                                          "SEShowNew"};
    if (std::ranges::find(kTableControls, controlName) != std::end(kTableControls)) rebuild_ = true;
}

void SetupDialog::Close(SetupSettings& stored, const SetupSettings& shown) const {
    SetupSettings values = shown;
    ClampNumbers(values);
    values.SortOrder = stored.SortOrder;
    values.PictureCopy = stored.PictureCopy;
    values.UpdateDate = stored.UpdateDate;
    values.NoUpdating = stored.NoUpdating;
    stored = values;
}

} // namespace mcb
