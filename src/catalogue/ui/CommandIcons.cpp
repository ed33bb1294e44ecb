#include "catalogue/ui/CommandIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

namespace mcb {

namespace {

struct IconSource {
    const char* control;
    const char* themeName;
    QStyle::StandardPixmap fallback;
};

constexpr IconSource kIconSources[] = {
    {"mmNewBase", "document-new", QStyle::SP_FileIcon},
    {"mmOpenBase", "document-open", QStyle::SP_DialogOpenButton},
    {"mmSaveBaseAs", "document-save-as", QStyle::SP_DialogSaveButton},
    {"mmPrintBase", "document-print", QStyle::SP_ComputerIcon},
    {"mmExcel", "x-office-spreadsheet", QStyle::SP_FileDialogDetailedView},
    {"mmAddCD", "list-add", QStyle::SP_FileDialogNewFolder},
    {"mmEditCD", "document-properties", QStyle::SP_FileDialogInfoView},
    {"mmKillCD", "list-remove", QStyle::SP_TrashIcon},
    {"mmGiveCD", "go-next", QStyle::SP_ArrowRight},
    {"mmReturnCD", "go-previous", QStyle::SP_ArrowLeft},
    {"mmFilter", "edit-find", QStyle::SP_FileDialogContentsView},
    {"Sort1", "view-sort-ascending", QStyle::SP_ArrowDown},
    {"mmMagazine", "text-x-generic", QStyle::SP_FileDialogListView},
    {"mmGenres", "folder", QStyle::SP_DirIcon},
    {"mmCountries", "applications-internet", QStyle::SP_DriveNetIcon},
    {"mmCompList", "folder-open", QStyle::SP_DirOpenIcon},
    {"mmContactList", "x-office-address-book", QStyle::SP_DirHomeIcon},
    {"mmMainSetup", "preferences-system", QStyle::SP_DesktopIcon},
    {"mmVihod", "application-exit", QStyle::SP_DialogCloseButton},
};

constexpr int kOnOffSize = 16;

QPixmap BlankPixmap() {
    QPixmap pixmap(kOnOffSize, kOnOffSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The outline of an eye: two arcs meeting at the corners.
QPainterPath EyeOutline() {
    QPainterPath path;
    path.moveTo(1, 8);
    path.quadTo(8, 1, 15, 8);
    path.quadTo(8, 15, 1, 8);
    return path;
}

QIcon OpenEye() {
    QPixmap pixmap = BlankPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawPath(EyeOutline());
    painter.setBrush(QColor(0x20, 0x60, 0xc0));
    painter.drawEllipse(QPointF(8, 8), 2.8, 2.8);
    return QIcon(pixmap);
}

QIcon ClosedEye() {
    QPixmap pixmap = BlankPixmap();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::gray, 1.2));
    QPainterPath lid;
    lid.moveTo(1, 7);
    lid.quadTo(8, 13, 15, 7);
    painter.drawPath(lid);
    for (const int x : {4, 8, 12}) painter.drawLine(QPointF(x, 10), QPointF(x + (x - 8) / 4.0, 13));
    painter.setPen(QPen(QColor(0xc0, 0x20, 0x20), 1.5));
    painter.drawLine(QPointF(2, 14), QPointF(14, 2));
    return QIcon(pixmap);
}

} // namespace

QIcon CommandIcon(const QString& controlName, const QStyle& style) {
    for (const IconSource& source : kIconSources) {
        if (controlName != QLatin1String(source.control)) continue;
        return QIcon::fromTheme(QString::fromLatin1(source.themeName), style.standardIcon(source.fallback));
    }
    return {};
}

std::array<QIcon, 2> OnOffIcons() {
    return {ClosedEye(), OpenEye()};
}

} // namespace mcb
