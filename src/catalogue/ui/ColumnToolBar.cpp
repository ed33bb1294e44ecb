#include "catalogue/ui/ColumnToolBar.h"

#include "catalogue/ui/CommandIcons.h"

#include <QAction>
#include <QToolButton>

namespace mcb {

namespace {

// Button names in column order: ToolButton30 ... ToolButton40, then ToolButton42 (41 is the separator).
QString ButtonName(int column) {
    return QStringLiteral("ToolButton%1").arg(column < 11 ? 30 + column : 42);
}

} // namespace

ColumnToolBar::ColumnToolBar(QWidget* parent) : QToolBar(parent), images_(OnOffIcons()) {
    setObjectName("ToolBarVis");
    setMovable(false);
    setIconSize(QSize(16, 16));
    setToolTip(QString::fromUtf8("Скрыть / показать колонку"));
    QAction* separator = addSeparator();
    widgetForAction(separator)->setObjectName("ToolButton41");
    for (int column = 0; column < kColumnCount; ++column) {
        auto* button = new QToolButton(this);
        button->setObjectName(ButtonName(column));
        button->setCheckable(true);
        button->setAutoRaise(true);
        // Tab reaches the toggles (Space flips one); a click leaves the keyboard with the table.
        button->setFocusPolicy(Qt::TabFocus);

        addWidget(button);
        buttons_[column] = button;
        SetShown(column, true);
        connect(button, &QToolButton::clicked, this, [this, column] { emit columnToggled(column); });
    }
}

void ColumnToolBar::SetHeadings(const QStringList& headings) {
    for (int column = 0; column < kColumnCount && column < headings.size(); ++column) {
        buttons_[column]->setToolTip(toolTip() + QLatin1Char(' ') + headings[column]);
        buttons_[column]->setAccessibleName(buttons_[column]->toolTip()); // the button has no text
    }
}

void ColumnToolBar::SetShown(int column, bool shown) {
    buttons_[column]->setChecked(shown);
    buttons_[column]->setIcon(images_[shown ? 1 : 0]);
}

bool ColumnToolBar::IsShown(int column) const {
    return buttons_[column]->isChecked();
}

} // namespace mcb
