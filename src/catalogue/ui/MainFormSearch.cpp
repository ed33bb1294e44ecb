// The quick search field `SearchEdit` of the catalogue window's toolbar: each change of its text
// rebuilds the table with the discs holding every word; Ctrl+F comes to it, Esc clears it and goes
// back to the table.
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/MainTableView.h"
#include "platform/qt/QtText.h"
#include "storage/Storable.h"

#include <QEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QToolBar>

namespace mcb {

void TMainForm::BuildSearch() {
    search_ = new QLineEdit(this);
    search_->setObjectName("SearchEdit");
    search_->setPlaceholderText(QString::fromUtf8("Поиск"));
    search_->setClearButtonEnabled(true);
    search_->setMaximumWidth(fontMetrics().averageCharWidth() * 32);
    commands_.toolBar->addSeparator();
    commands_.toolBar->addWidget(search_);
    search_->setAccessibleName(QString::fromUtf8("Поиск"));
    search_->installEventFilter(this);
    connect(search_, &QLineEdit::textChanged, this, &TMainForm::SearchChanged);
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), search_, nullptr, nullptr, Qt::WidgetShortcut),
            &QShortcut::activated, this, [this] {
                search_->clear();
                FocusTable();
            });
}

// The texts searched are read when the field is first entered, so that the first word typed
// waits for nothing.
void TMainForm::SearchFocused() {
    session_.search().Prepare(session_.catalogue());
}

// A character the code page cannot hold is in no stored text: such a search finds nothing.
void TMainForm::SearchChanged(const QString& text) {
    const StorableText typed = CheckStorable(text.toStdString());
    session_.search().SetText(typed.Ok() ? typed.text : FromQ(text), !typed.Ok());
    RebuildTable();
}

} // namespace mcb
