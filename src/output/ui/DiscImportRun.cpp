#include "output/ui/DiscImportRun.h"

#include "catalogue/Session.h"
#include "output/DiscImport.h"
#include "output/SheetFile.h"
#include "output/ui/ExportProgress.h"
#include "output/ui/TImportForm.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"
#include "storage/Literal.h"
#include "storage/TextCodec.h"

namespace mcb {

namespace {

constexpr std::size_t kListedSkips = 15;

struct ChosenSheet {
    std::string path;
    SheetRead sheet;
};

std::optional<ChosenSheet> ChooseAndRead(Session& session) {
    Prompts& prompts = session.services().prompts;
    const FileDialogSpec options{W("Импорт дисков"),
                                 W("Таблицы (*.xlsx *.csv)|*.xlsx;*.csv|Книга Excel (*.xlsx)|*.xlsx|Файл CSV "
                                   "(*.csv)|*.csv"),
                                 session.baseDirectory()};
    const std::optional<std::string> path = prompts.OpenFileName(options);
    if (!path || path->empty()) return std::nullopt;
    ChosenSheet chosen{*path, {}};
    {
        WaitCursor wait;
        chosen.sheet = ReadSheetFile(*path);
    }
    const SheetRead& sheet = chosen.sheet;
    if (!sheet.Ok()) {
        prompts.Error(W("Не удалось прочитать файл ") + UserText::Path(*path) + ": " + sheet.error + ".");
        return std::nullopt;
    }
    if (sheet.rows.size() < 2) {
        prompts.Message(W("В файле ") + UserText::Path(*path) + W(" нет строк с дисками."));
        return std::nullopt;
    }
    return chosen;
}

// The cells left out, the first of them by place; the import starts only when the user agrees.
bool AcceptSkipped(const ImportPlan& plan, Prompts& prompts) {
    if (plan.skipped.empty()) return true;
    std::string list;
    for (std::size_t i = 0; i < plan.skipped.size() && i < kListedSkips; ++i)
        list += SkippedText(plan.skipped[i]) + "\n";
    if (plan.skipped.size() > kListedSkips)
        list += Utf8FromCp1251(W("... и еще ") + std::to_string(plan.skipped.size() - kListedSkips)) + "\n";
    return prompts.Confirm(W("Эти ячейки не будут импортированы:\n\n") + UserText::Unicode(list) +
                           W("\nИмпортировать диски без них?"));
}

std::optional<ImportPlan> Plan(Session& session, const SheetRead& sheet, const std::vector<ImportField>& mapping,
                               QWidget* parent) {
    WaitCursor wait;
    ExportProgressWindow progress(parent, sheet.rows.size(),
                                  {QStringLiteral("ImportProgress"), QStringLiteral("Импорт дисков"),
                                   QStringLiteral("Чтение строк ..."), QStringLiteral("Чтение строк ...")});
    return PlanImport(session.catalogue(), {sheet.rows, mapping, session.layout()}, progress.Callback());
}

ImportResult Apply(Session& session, const ImportPlan& plan, QWidget* parent) {
    const JournalContext journal{session.journalFileName(), session.settings().setup, session.services().clock,
                                 session.services().dateFormat, session.baseFileName()};
    WaitCursor wait;
    ExportProgressWindow progress(parent, plan.discs.size(),
                                  {QStringLiteral("ImportProgress"), QStringLiteral("Импорт дисков"),
                                   QStringLiteral("Добавление дисков ..."), QStringLiteral("Запись базы ...")});
    return ApplyImport(session.catalogue(), plan, {session.baseDirectory(), session.Today(), journal},
                       progress.Callback());
}

void SayOutcome(ImportResult result, const ImportPlan& plan, Prompts& prompts) {
    if (result == ImportResult::Done)
        prompts.Message(W("Импорт завершен. Добавлено дисков: ") + std::to_string(plan.discs.size()) + ".");
    if (result == ImportResult::NoIdentifiers)
        prompts.Message(W("Невозможно добавить диски: номера дисков в базе исчерпаны."));
}

} // namespace

bool RunDiscImport(Session& session, QWidget* parent) {
    Prompts& prompts = session.services().prompts;
    const std::optional<ChosenSheet> chosen = ChooseAndRead(session);
    if (!chosen) return false;
    TImportForm form(chosen->sheet.rows, session.layout(), PathToQ(chosen->path), prompts, parent);
    if (RunModal(form) != QDialog::Accepted) return false;
    const std::optional<ImportPlan> plan = Plan(session, chosen->sheet, form.Mapping(), parent);
    if (!plan || !AcceptSkipped(*plan, prompts)) return false;
    if (plan->discs.empty()) {
        prompts.Message(W("Нет дисков для импорта."));
        return false;
    }
    const ImportResult result = Apply(session, *plan, parent);
    SayOutcome(result, *plan, prompts);
    return result == ImportResult::Done;
}

} // namespace mcb
