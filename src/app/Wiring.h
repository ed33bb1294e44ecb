// The program's wiring: each subsystem's windows are connected to the main window's commands by its
// own function, in its own file; WireProgram calls them all. A new window is wired by one more file
// with one more function, and one more call in Wiring.cpp.
#pragma once

namespace mcb {

class TMainForm;

// Disc commands, disc editor and filter dialog (DiscWiring.cpp).
void WireDiscs(TMainForm& form);
// The disc information group, the summary window and the debtors window (DiscInfoWiring.cpp).
void WireDiscInfo(TMainForm& form);
// The event journal window (JournalWiring.cpp).
void WireJournal(TMainForm& form);
// The reference-list editors of the "Настройки" menu (ListWiring.cpp).
void WireLists(TMainForm& form);
// The settings dialog and the about box (SettingsWiring.cpp).
void WireSettings(TMainForm& form);
// The update check, by hand and at start-up (UpdateWiring.cpp).
void WireUpdate(TMainForm& form);

// The spreadsheet export window (ExportWiring.cpp).
void WireExport(TMainForm& form);
// The import of discs from a spreadsheet: "Импорт дисков..." (ImportWiring.cpp).
void WireImport(TMainForm& form);
// The print window: "Печатать базу" (PrintWiring.cpp).
void WirePrint(TMainForm& form);

// Every subsystem's wiring, once, right after the main window is made.
void WireProgram(TMainForm& form);

} // namespace mcb
