#include "discs/DiscCommands.h"

#include "catalogue/TableRows.h"
#include "discs/DiscEditor.h"
#include "storage/CatalogueFormat.h"
#include "storage/DecimalInt.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"

#include <optional>

namespace mcb {

namespace {

// The stored title rather than the cell, which may carry the new-disc mark.
std::string Title(const TableRow& row, const DiscCommandContext& c) {
    return c.catalogue.ReadString(row.cells[0], "Nam", "");
}

std::string Quoted(const std::string& title) {
    return "\"" + title + "\"";
}

std::string Contact(const DiscCommandContext& c, const std::string& index) {
    return ReferenceName(c.catalogue, "Contacts", index);
}

// "<date> в долг.   Должник: <name>."
std::string LoanText(const TableRow& row, const DiscCommandContext& c) {
    return c.dateFormat.ShortDate(ParseDecimalInt(row.giv).value_or(0)) + W(" в долг.   Должник: ") +
           Contact(c, row.gin) + ".";
}

bool IsForeign(const TableRow& row) {
    return row.oth != "-1";
}

bool ConfirmForeign(const TableRow& row, const DiscCommandContext& c, const char* question) {
    return !IsForeign(row) ||
           c.prompts.Confirm(W("Это не ваш диск. Хозяин диска ") + Contact(c, row.oth) + ". " + W(question));
}

// A copy of the disc's row: a window opened on the way may rebuild the table.
// Nothing, too, after saying that the catalogue cannot be changed.
std::optional<TableRow> ShownRow(const DiscCommandContext& c, const std::string& discId) {
    const TableRow* row = FindRow(c.table, discId);
    if (!row || SayRefusal(c.prompts, ReadOnlyRefusal(c.catalogue))) return std::nullopt;
    return *row;
}

} // namespace

bool DeleteDisc(const std::string& discId, const DiscCommandContext& c) {
    const std::optional<TableRow> shown = ShownRow(c, discId);
    if (!shown) return false;
    const TableRow& row = *shown;
    const std::string title = Title(row, c);
    if (!c.prompts.Confirm(W("Удалить диск ") + Quoted(title) + " ?")) return false;
    if (!ConfirmForeign(row, c, "Удалить диск из базы ?")) return false;
    if (row.IsLent()) {
        c.prompts.Message(W("Диск отдан ") + LoanText(row, c));
        return false;
    }
    if (!c.catalogue.ChangeAndSave([&] { c.catalogue.EraseSection(row.cells[0]); })) return false;
    LogEventIfSelected(c.journal, kEventDelete,
                       W("Данные о диске ") + Quoted(title) + " (ID=" + row.cells[0] + W(") успешно удалены из базы."));
    return true;
}

bool LendDisc(const std::string& discId, const DiscCommandContext& c) {
    const std::optional<TableRow> shown = ShownRow(c, discId);
    if (!shown) return false;
    const TableRow& row = *shown;
    const std::string title = Title(row, c);
    if (!c.prompts.Confirm(W("Отдать диск ") + Quoted(title) + W(" в долг ?"))) return false;
    if (!ConfirmForeign(row, c, "Отдать диск в долг ?")) return false;
    if (row.IsLent()) {
        c.prompts.Message(W("Диск уже отдан ") + LoanText(row, c));
        return false;
    }
    DictParams params{DictKind::Contacts, false, false, "-1"};
    // A picker that returns no contact lends to no one.
    if (!c.picker.Pick(params) || params.selection.empty() || params.selection == "-1") return false;
    if (IsForeign(row) && row.oth == params.selection) {
        c.prompts.Message(W("Нельзя отдать диск в долг его хозяину!"));
        return false;
    }
    const bool saved = c.catalogue.ChangeAndSave([&] {
        c.catalogue.WriteString(row.cells[0], "Gin", params.selection);
        c.catalogue.WriteInteger(row.cells[0], "Giv", c.journal.clock.Today());
    });
    if (!saved) return false;
    LogEventIfSelected(c.journal, kEventLend,
                       W("Диск ") + Quoted(title) + " (ID=" + row.cells[0] + W(") отдан в долг. Должник: ") +
                           Contact(c, params.selection) + ".");
    return true;
}

bool ReturnDisc(const std::string& discId, const DiscCommandContext& c) {
    const std::optional<TableRow> shown = ShownRow(c, discId);
    if (!shown) return false;
    const TableRow& row = *shown;
    if (!row.IsLent()) {
        c.prompts.Message(W("Диск в наличии. Забирать не у кого."));
        return false;
    }
    const std::string title = Title(row, c);
    if (!c.prompts.Confirm(W("Диск ") + Quoted(title) + W(" отдан ") + LoanText(row, c) + W("   Списать долг ?")))
        return false;
    if (!c.catalogue.ChangeAndSave([&] { c.catalogue.WriteString(row.cells[0], "Gin", "-1"); })) return false;
    LogEventIfSelected(c.journal, kEventReturn,
                       W("Должник ") + Contact(c, row.gin) + W(" вернул диск ") + Quoted(title) +
                           " (ID=" + row.cells[0] + ").");
    return true;
}

} // namespace mcb
