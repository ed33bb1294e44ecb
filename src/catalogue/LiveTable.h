// The catalogue table as the window shows it, kept in step with the open catalogue. The values of
// every disc are held once, as views of the catalogue's own text, and a refresh reads again only
// the sections that changed since the last one; a filter change filters the held values, a sort
// change orders them by precomputed keys, and the rows are numbers of held discs, so that no
// refresh reads the whole catalogue again or moves rows. Every refresh gives exactly the table
// that a build from scratch gives: the same rows in the same order, ties included, and counters.
#pragma once

#include "catalogue/DiscChanges.h"
#include "catalogue/DiscFilter.h"
#include "catalogue/DiscValues.h"
#include "catalogue/SortKeys.h"
#include "catalogue/TableNames.h"
#include "catalogue/TableTypes.h"
#include "storage/Layout.h"
#include "storage/Settings.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace mcb {

class TIniFile;
struct RowContext;

// The rows a window shows: the text of each cell and whether the row's disc is lent. There is
// always at least one row; a table showing no disc has one row of empty cells.
class ShownRows {
public:
    virtual int RowCount() const = 0;
    virtual std::string CellText(int row, int column) const = 0;
    virtual bool RowLent(int row) const = 0;

protected:
    ~ShownRows() = default;
};

// What a table build depends on besides the catalogue.
struct TableInputs {
    const FilterCriteria& filter;
    const SetupSettings& setup;
    const TableLayout& layout;
    int today;
    // With a quick search: the numbers of the discs it found, ascending; only those may be shown.
    const std::vector<uint32_t>* found = nullptr;
};

class LiveTable : public ShownRows {
public:
    LiveTable() = default;
    LiveTable(const LiveTable&) = delete;
    LiveTable& operator=(const LiveTable&) = delete;

    // Brings the table in line with the catalogue and the inputs. The first refresh on a catalogue
    // instance reads it whole. The table keeps the catalogue's texts alive, so it shows its rows even
    // after the instance is gone, until the next refresh.
    void Refresh(const TIniFile& catalogue, const TableInputs& inputs);

    const TableCounters& counters() const { return counters_; }
    // No disc is shown.
    bool IsEmpty() const { return order_.empty(); }

    int RowCount() const override;
    std::string CellText(int row, int column) const override;
    bool RowLent(int row) const override;
    // The identifier of the disc shown in a row; empty for a row outside the table and for the one
    // row of an empty table.
    std::string DiscIdOfRow(int row) const;
    // The row showing the disc; -1 when the table does not show it (or the identifier is empty).
    int RowOfDisc(std::string_view discId) const;
    // Characters of the longest identifier shown (0 for an empty table).
    std::size_t LongestIdentifier() const;

    // The table as plain rows, for the report, the export and the commands without a display.
    CatalogueTable Snapshot() const;
    // A table of the disc's row alone (an empty table when it is not shown), for the commands that
    // decide from the row of one disc.
    CatalogueTable Excerpt(std::string_view discId) const;

    // The loans older than `dolgDays` days, in identifier order, with the debtors' names and
    // addresses from the catalogue.
    std::vector<DebtRow> OverdueDebts(const TIniFile& catalogue, int today, int dolgDays) const;

private:
    struct Disc {
        uint32_t number = 0; // 0 in a free slot
        PackedDiscViews packed;
        bool aside = false; // the values are not in the file text: they are in aside_
        bool lent = false, marked = false, shown = false;
        bool found = true; // by the quick search
        bool Visible() const { return shown && found; }
        std::array<uint32_t, 3> names{}; // of the genre, the country, the company
    };
    DiscViews ValuesOf(const Disc& disc) const;
    void SetValues(Disc& disc, const DiscViews& values);
    void ReadAll(const TIniFile& catalogue);
    void ReadDisc(const TIniFile& catalogue, uint32_t number, std::vector<uint32_t>& touched);
    uint32_t NewSlot();
    std::vector<uint32_t>::iterator NumberPlace(uint32_t number);
    // The slot of the disc with this identifier; nothing when no disc has it.
    std::optional<uint32_t> SlotOf(std::string_view discId) const;
    void ApplyInputs(const TIniFile& catalogue, const TableInputs& inputs, bool everything, bool namesChanged,
                     const std::vector<uint32_t>& touched);
    void Derive(const TIniFile& catalogue, Disc& disc);
    bool Marked(const DiscViews& values) const;
    RowKey KeyOf(const Disc& disc);
    void SortAll();
    void PlaceKey(uint32_t slot);
    void DropKey(uint32_t slot);
    void CompactKeys();
    void Order(const std::vector<uint32_t>* found);
    RowContext ContextOf(const Disc& disc, const std::string& id) const;
    const Disc& DiscOfRow(int row) const { return discs_[order_[size_t(row)]]; }
    TableRow RowOfSlot(uint32_t slot) const;

    DiscChangeTracker tracker_;
    std::shared_ptr<const void> texts_; // of the catalogue instance read, kept alive for the views
    long long lastCdid_ = 0;

    std::string_view fileText_;                     // of the catalogue instance read
    std::vector<Disc> discs_;                       // slots
    std::unordered_map<uint32_t, DiscViews> aside_; // by disc number: values changed since reading
    std::vector<uint32_t> freeSlots_;
    std::vector<uint32_t> byNumber_; // slots of the discs in identifier order
    TableNames names_;

    // The inputs of the last refresh.
    FilterCriteria filter_;
    bool emptyInclude_ = true;
    std::optional<DiscFilter> discFilter_;
    int sortOrder_ = 0;
    bool showNew_ = false;
    int newDays_ = 0;
    int today_ = 0;
    TableLayout layout_;

    // With a sorting order: each slot's key and the slots of every disc by key, equal keys by
    // identifier.
    std::optional<SortKeyTexts> keyTexts_;
    std::vector<RowKey> keys_;
    std::vector<uint32_t> byKey_;
    std::size_t liveKeyBytes_ = 0;

    std::vector<uint32_t> order_; // slots of the shown discs in table order
    TableCounters counters_;
    uint32_t highestShown_ = 0;
};

} // namespace mcb
