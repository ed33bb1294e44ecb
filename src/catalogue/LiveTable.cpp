#include "catalogue/LiveTable.h"

#include "catalogue/ExchangeOrder.h"
#include "catalogue/TableCells.h"
#include "storage/CatalogueFormat.h"
#include "storage/Cp1251.h"
#include "storage/MyIniFiles.h"

#include <algorithm>

namespace mcb {

namespace {

bool SortsByName(int sortOrder) {
    return sortOrder == 3 || sortOrder == 7 || sortOrder == 8;
}

constexpr int kMediumColumn = 11;

} // namespace

void LiveTable::Refresh(const TIniFile& catalogue, const TableInputs& inputs) {
    const DiscChanges changes = tracker_.Since(catalogue);
    texts_ = catalogue.Texts();
    lastCdid_ = changes.lastCdid;
    std::vector<uint32_t> touched;
    if (changes.everything) ReadAll(catalogue);
    for (uint32_t n : changes.discs) ReadDisc(catalogue, n, touched);
    if (changes.nameLists) names_.Clear();
    ApplyInputs(catalogue, inputs, changes.everything, changes.everything || changes.nameLists, touched);
    Order(inputs.found);
}

void LiveTable::ReadAll(const TIniFile& catalogue) {
    fileText_ = catalogue.FileText();
    discs_.clear();
    aside_.clear();
    freeSlots_.clear();
    byNumber_.clear();
    names_.Clear();
    const std::vector<long long> numbers = DiscSectionNumbers(catalogue);
    // Room for every disc at once: growing by doubling would hold the old and the new slots together,
    // twice the table's memory at the peak. A real disc takes far more than 64 bytes of the file, so a
    // file of bare section lines reserves no more than a fraction of its size.
    const std::size_t room = std::min(numbers.size(), catalogue.FileText().size() / 64 + 1024);
    discs_.reserve(room);
    byNumber_.reserve(room);
    for (long long n : numbers) {
        const DiscViews values = ReadDiscViews(catalogue, DiscIdText(n));
        if (!values.IsDisc()) continue;
        byNumber_.push_back(uint32_t(discs_.size()));
        discs_.emplace_back().number = uint32_t(n);
        SetValues(discs_.back(), values);
    }
}

std::vector<uint32_t>::iterator LiveTable::NumberPlace(uint32_t number) {
    return std::lower_bound(byNumber_.begin(), byNumber_.end(), number,
                            [this](uint32_t slot, uint32_t n) { return discs_[slot].number < n; });
}

uint32_t LiveTable::NewSlot() {
    if (!freeSlots_.empty()) {
        const uint32_t slot = freeSlots_.back();
        freeSlots_.pop_back();
        return slot;
    }
    discs_.emplace_back();
    if (keyTexts_) keys_.resize(discs_.size());
    return uint32_t(discs_.size() - 1);
}

// Reads disc `number` again: it may have changed, come or gone. A disc that is there is noted in
// `touched`, its key taken out of the order until it is placed again.
void LiveTable::ReadDisc(const TIniFile& catalogue, uint32_t number, std::vector<uint32_t>& touched) {
    DiscViews values;
    if (number <= lastCdid_) values = ReadDiscViews(catalogue, DiscIdText(number));
    auto place = NumberPlace(number);
    const bool held = place != byNumber_.end() && discs_[*place].number == number;
    if (!held && !values.IsDisc()) return;
    const uint32_t slot = held ? *place : NewSlot();
    if (held && keyTexts_) DropKey(slot);
    if (!values.IsDisc()) {
        byNumber_.erase(place);
        aside_.erase(number);
        discs_[slot] = Disc{};
        freeSlots_.push_back(slot);
        return;
    }
    if (!held) byNumber_.insert(NumberPlace(number), slot);
    discs_[slot].number = number;
    SetValues(discs_[slot], values);
    touched.push_back(slot);
}

DiscViews LiveTable::ValuesOf(const Disc& disc) const {
    return disc.aside ? aside_.at(disc.number) : disc.packed.Unpack(fileText_);
}

void LiveTable::SetValues(Disc& disc, const DiscViews& values) {
    const std::optional<PackedDiscViews> packed = PackedDiscViews::Pack(values, fileText_);
    disc.aside = !packed;
    if (packed) {
        disc.packed = *packed;
        aside_.erase(disc.number);
    } else {
        aside_.insert_or_assign(disc.number, values);
    }
}

// Works out what the changed inputs and the touched discs require: everything derived from the
// inputs again when they changed (or every disc was read, or the list names changed), otherwise
// only what the touched discs show.
void LiveTable::ApplyInputs(const TIniFile& catalogue, const TableInputs& inputs, bool everything, bool namesChanged,
                            const std::vector<uint32_t>& touched) {
    const SetupSettings& setup = inputs.setup;
    const bool filterChanged =
        everything || !discFilter_ || !(inputs.filter == filter_) || setup.EmptyInclude != emptyInclude_;
    const bool marksChanged =
        everything || setup.ShowNewCD != showNew_ || setup.NewCDdays != newDays_ || inputs.today != today_;
    const bool mediaChanged = inputs.layout.media != layout_.media;
    const bool keysChanged = everything || marksChanged || setup.SortOrder != sortOrder_ ||
                             (namesChanged && SortsByName(setup.SortOrder)) ||
                             (mediaChanged && setup.SortOrder == kMediumColumn);
    filter_ = inputs.filter;
    emptyInclude_ = setup.EmptyInclude;
    showNew_ = setup.ShowNewCD;
    newDays_ = setup.NewCDdays;
    today_ = inputs.today;
    sortOrder_ = setup.SortOrder;
    layout_ = inputs.layout;
    if (filterChanged) discFilter_.emplace(filter_, emptyInclude_);
    if (filterChanged || marksChanged || namesChanged) {
        for (uint32_t slot : byNumber_) Derive(catalogue, discs_[slot]);
    } else {
        for (uint32_t slot : touched) Derive(catalogue, discs_[slot]);
    }
    if (keysChanged) {
        SortAll();
        return;
    }
    for (uint32_t slot : touched) PlaceKey(slot);
    if (keyTexts_ && keyTexts_->Size() > 2 * liveKeyBytes_ + (1u << 20)) CompactKeys();
}

bool LiveTable::Marked(const DiscViews& values) const {
    return showNew_ && static_cast<long long>(today_) - DayValue(values.Ent) <= newDays_;
}

void LiveTable::Derive(const TIniFile& catalogue, Disc& disc) {
    const DiscViews v = ValuesOf(disc);
    disc.lent = v.IsLent();
    disc.marked = Marked(v);
    disc.names = {names_.Id(catalogue, NameList::Genres, v.Gen), names_.Id(catalogue, NameList::Countries, v.Cou),
                  names_.Id(catalogue, NameList::Companies, v.Comp)};
    disc.shown = discFilter_->Shows(v);
}

RowContext LiveTable::ContextOf(const Disc& disc, const std::string& id) const {
    return RowContext{
        id, {names_.Name(disc.names[0]), names_.Name(disc.names[1]), names_.Name(disc.names[2])}, disc.marked};
}

RowKey LiveTable::KeyOf(const Disc& disc) {
    const DiscViews values = ValuesOf(disc);
    const std::string cell =
        sortOrder_ == kTitleColumn ? std::string() : mcb::CellText(values, ContextOf(disc, {}), sortOrder_, layout_);
    return keyTexts_->Make(values.Nam, disc.marked ? kNewMark : "", cell);
}

void LiveTable::SortAll() {
    byKey_.clear();
    keys_.clear();
    keyTexts_.reset();
    if (!SortsRows(sortOrder_)) return;
    keyTexts_.emplace(sortOrder_);
    keys_.resize(discs_.size());
    for (uint32_t slot : byNumber_) keys_[slot] = KeyOf(discs_[slot]);
    byKey_ = byNumber_;
    SortByKey(
        byKey_, *keyTexts_, [this](uint32_t slot) -> const RowKey& { return keys_[slot]; },
        [this](uint32_t slot) { return discs_[slot].number; });
    liveKeyBytes_ = keyTexts_->Size();
}

void LiveTable::PlaceKey(uint32_t slot) {
    if (!keyTexts_) return;
    const RowKey& key = keys_[slot] = KeyOf(discs_[slot]);
    liveKeyBytes_ += key.primaryLength + key.titleLength;
    const uint32_t number = discs_[slot].number;
    const auto before = [&](uint32_t other, uint32_t) {
        const int c = keyTexts_->Compare(keys_[other], key);
        return c != 0 ? c < 0 : discs_[other].number < number;
    };
    byKey_.insert(std::lower_bound(byKey_.begin(), byKey_.end(), slot, before), slot);
}

void LiveTable::DropKey(uint32_t slot) {
    byKey_.erase(std::find(byKey_.begin(), byKey_.end(), slot));
    liveKeyBytes_ -= keys_[slot].primaryLength + keys_[slot].titleLength;
}

void LiveTable::CompactKeys() {
    std::vector<RowKey*> live;
    live.reserve(byKey_.size());
    for (uint32_t slot : byKey_) live.push_back(&keys_[slot]);
    keyTexts_->Compact(std::move(live));
    liveKeyBytes_ = keyTexts_->Size();
}

// The shown discs in identifier order are the positions the exchange sort starts from; their keys
// in key order give the ranks. The discs the quick search found, in identifier order too, are
// walked alongside.
void LiveTable::Order(const std::vector<uint32_t>* found) {
    counters_ = {};
    order_.clear();
    highestShown_ = 0;
    std::vector<int> position(keyTexts_ ? discs_.size() : 0);
    auto nextFound = found ? found->begin() : std::vector<uint32_t>::const_iterator();
    const auto isFound = [&](uint32_t number) {
        if (!found) return true;
        nextFound = std::lower_bound(nextFound, found->end(), number);
        return nextFound != found->end() && *nextFound == number;
    };
    for (uint32_t slot : byNumber_) {
        Disc& disc = discs_[slot];
        ++counters_.all;
        counters_.lent += disc.lent;
        disc.found = isFound(disc.number);
        if (!disc.Visible()) continue;
        if (keyTexts_) position[slot] = int(order_.size());
        order_.push_back(slot);
        counters_.shownLent += disc.lent;
        highestShown_ = disc.number;
    }
    counters_.shown = int(order_.size());
    if (!keyTexts_) return;
    std::vector<int> byRank;
    byRank.reserve(order_.size());
    for (uint32_t slot : byKey_)
        if (discs_[slot].Visible()) byRank.push_back(position[slot]);
    const std::vector<uint32_t> byNumber = std::move(order_);
    const auto keyOf = [&](int p) -> const RowKey& { return keys_[byNumber[size_t(p)]]; };
    order_.clear();
    for (int p : ExchangeSortOrder(DenseRanks(byRank, *keyTexts_, keyOf), byRank))
        order_.push_back(byNumber[size_t(p)]);
}

int LiveTable::RowCount() const {
    return order_.empty() ? 1 : int(order_.size());
}

std::string LiveTable::CellText(int row, int column) const {
    if (row < 0 || size_t(row) >= order_.size()) return std::string();
    const Disc& disc = DiscOfRow(row);
    const std::string id = column == 0 ? DiscIdText(disc.number) : std::string();
    return mcb::CellText(ValuesOf(disc), ContextOf(disc, id), column, layout_);
}

bool LiveTable::RowLent(int row) const {
    return row >= 0 && size_t(row) < order_.size() && DiscOfRow(row).lent;
}

std::string LiveTable::DiscIdOfRow(int row) const {
    if (row < 0 || size_t(row) >= order_.size()) return {};
    return DiscIdText(DiscOfRow(row).number);
}

std::size_t LiveTable::LongestIdentifier() const {
    return order_.empty() ? 0 : DiscIdText(highestShown_).size();
}

TableRow LiveTable::RowOfSlot(uint32_t slot) const {
    const Disc& disc = discs_[slot];
    return MakeTableRow(ValuesOf(disc), ContextOf(disc, DiscIdText(disc.number)), layout_);
}

CatalogueTable LiveTable::Snapshot() const {
    CatalogueTable table;
    table.counters = counters_;
    if (order_.empty()) return table;
    table.rows.clear();
    table.rows.reserve(order_.size());
    for (uint32_t slot : order_) table.rows.push_back(RowOfSlot(slot));
    return table;
}

std::optional<uint32_t> LiveTable::SlotOf(std::string_view discId) const {
    const long long number = DiscNumberOfSection(discId);
    const auto place = std::lower_bound(byNumber_.begin(), byNumber_.end(), number,
                                        [this](uint32_t slot, long long n) { return discs_[slot].number < n; });
    if (number <= 0 || place == byNumber_.end() || discs_[*place].number != number) return std::nullopt;
    return *place;
}

int LiveTable::RowOfDisc(std::string_view discId) const {
    const std::optional<uint32_t> slot = SlotOf(discId);
    if (!slot || !discs_[*slot].Visible()) return -1;
    return int(std::find(order_.begin(), order_.end(), *slot) - order_.begin());
}

CatalogueTable LiveTable::Excerpt(std::string_view discId) const {
    CatalogueTable table;
    table.counters = counters_;
    const std::optional<uint32_t> slot = SlotOf(discId);
    if (slot && discs_[*slot].Visible()) table.rows = {RowOfSlot(*slot)};
    return table;
}

std::vector<DebtRow> LiveTable::OverdueDebts(const TIniFile& catalogue, int today, int dolgDays) const {
    std::vector<DebtRow> debts;
    for (uint32_t slot : byNumber_) {
        const DiscViews disc = ValuesOf(discs_[slot]);
        const long long days = static_cast<long long>(today) - DayValue(disc.Giv);
        if (!disc.IsLent() || days <= dolgDays) continue;
        const std::string gin(disc.Gin);
        const std::string_view title = TrimBlanks(disc.Nam).empty() ? disc.Nam2 : disc.Nam;
        debts.push_back(DebtRow{catalogue.ReadString("Contacts", gin, std::string()), std::string(title),
                                std::to_string(days), catalogue.ReadString("Contacts", gin + "_mail", std::string()),
                                gin});
    }
    return debts;
}

} // namespace mcb
