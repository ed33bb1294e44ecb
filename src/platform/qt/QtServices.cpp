#include "platform/qt/QtServices.h"

#include "platform/ShownText.h"
#include "platform/qt/FontChoiceDialog.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QRegularExpression>
#include <QTime>
#include <QUrl>
#include <cstdio>

namespace mcb {

namespace {

const QDate kDayZero(1899, 12, 30);

QString AppTitle() {
    return QStringLiteral("Mirvane CD Base");
}

// A message that names a value of megabytes (a title, a name) shows as much of it as a box can.
QString Shown(const QString& message) {
    return ShownQ(message, kShownCellChars, 4 * kShownCellChars);
}

QString Extensions(const QString& patterns) {
    QStringList all;
    for (const QString& p : patterns.split(';', Qt::SkipEmptyParts)) {
        all << p;
        if (p.toLower() != p) all << p.toLower();
        if (p.toUpper() != p) all << p.toUpper();
    }
    all.removeDuplicates();
    return all.join(' ');
}

} // namespace

std::string QtDateFormat::ShortDate(int dayNumber) const {
    return FromQ(QLocale::system().toString(kDayZero.addDays(dayNumber), QLocale::ShortFormat));
}

std::string QtDateFormat::LongTime(int secondsOfDay) const {
    // The long format names the time zone, which the journal's Windows-style time does not show.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    return FromQ(QLocale::system().toString(QTime(0, 0).addSecs(secondsOfDay), format.trimmed()));
}

QStringList NameFilters(const std::string& filter) {
    const QStringList parts = ToQ(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const int open = description.indexOf('(');
        if (open >= 0) description = description.left(open).trimmed();
        filters << QStringLiteral("%1 (%2)").arg(description, Extensions(parts[i + 1]));
    }
    return filters;
}

QtPrompts::QtPrompts(std::function<QWidget*()> parent, std::function<void(int)> showHelp)
    : parent_(std::move(parent)), showHelp_(std::move(showHelp)) {}

QWidget* QtPrompts::Parent() const {
    return parent_ ? parent_() : QApplication::activeWindow();
}

namespace {

// Once the program is ending with nobody at the screen, messages go to standard error and every
// question gets its cautious answer: No, Cancel, nothing chosen.
bool Unattended(const UserText& text) {
    if (!ModalRunsEnded()) return false;
    std::fprintf(stderr, "mirvane-cdbase: %s\n", text.Utf8().c_str());
    return true;
}

} // namespace

void QtPrompts::Message(const UserText& text) {
    if (!Unattended(text)) QMessageBox::information(Parent(), AppTitle(), Shown(ToQ(text)));
}

void QtPrompts::Error(const UserText& text) {
    if (!Unattended(text)) QMessageBox::critical(Parent(), AppTitle(), Shown(ToQ(text)));
}

void QtPrompts::WarnUnstorable(const std::string& utf8Text) {
    if (!ModalRunsEnded()) QMessageBox::warning(Parent(), AppTitle(), QString::fromStdString(utf8Text));
}

bool QtPrompts::Confirm(const UserText& text) {
    if (Unattended(text)) return false;
    return QMessageBox::question(Parent(), AppTitle(), Shown(ToQ(text)), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool QtPrompts::Warn(const std::string& text) {
    if (Unattended(text)) return false;
    return QMessageBox::warning(Parent(), AppTitle(), Shown(ToQ(text)), QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool QtPrompts::Answering() const {
    return !ModalRunsEnded();
}

Answer QtPrompts::Ask(const std::string& text, int helpTopic) {
    if (Unattended(text)) return Answer::Cancel;
    QMessageBox box(QMessageBox::Question, AppTitle(), Shown(ToQ(text)),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Help, Parent());
    // Help shows the topic and leaves the question open, like the help button of a message box should.
    QAbstractButton* help = box.button(QMessageBox::Help);
    help->disconnect();
    QObject::connect(help, &QAbstractButton::clicked, [this, helpTopic] {
        if (showHelp_) showHelp_(helpTopic);
    });
    const int result = box.exec();
    if (result == QMessageBox::Yes) return Answer::Yes;
    if (result == QMessageBox::No) return Answer::No;
    return Answer::Cancel;
}

std::optional<std::string> QtPrompts::TypeLine(const std::string& caption, const std::string& prompt,
                                               const std::string& initialUtf8) {
    if (ModalRunsEnded()) return std::nullopt;
    bool ok = false;
    const QString text = QInputDialog::getText(Parent(), ToQ(caption), ToQ(prompt), QLineEdit::Normal,
                                               QString::fromStdString(initialUtf8), &ok);
    if (!ok) return std::nullopt;
    return text.toStdString();
}

std::optional<std::string> QtPrompts::OpenFileName(const FileDialogSpec& options) {
    return RunFileDialog(options, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
}

std::optional<std::string> QtPrompts::SaveFileName(const FileDialogSpec& options) {
    return RunFileDialog(options, QFileDialog::AcceptSave, QFileDialog::AnyFile);
}

std::optional<std::string> QtPrompts::RunFileDialog(const FileDialogSpec& options, int acceptMode, int fileMode) {
    if (ModalRunsEnded()) return std::nullopt;
    QFileDialog dialog(Parent(), ToQ(options.title), PathToQ(options.initialPath));
    dialog.setAcceptMode(static_cast<QFileDialog::AcceptMode>(acceptMode));
    dialog.setFileMode(static_cast<QFileDialog::FileMode>(fileMode));
    dialog.setNameFilters(NameFilters(options.filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return PathFromQ(dialog.selectedFiles().constFirst());
}

std::optional<int> QtPrompts::ChooseColour(int stored) {
    if (ModalRunsEnded()) return std::nullopt;
    const QColor initial(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(initial, Parent());
    if (!chosen.isValid()) return std::nullopt;
    return chosen.red() | (chosen.green() << 8) | (chosen.blue() << 16);
}

namespace {

constexpr int kQueryTimeoutMs = 3000;

// The desktop's opener starts even when no program is registered for a file's type and then fails
// where nobody sees it; asking first lets the caller say where the file is instead.
bool HasProgramFor(const QString& file) {
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), QMimeDatabase().mimeTypeForFile(file).name()});
    if (!query.waitForFinished(kQueryTimeoutMs)) {
        query.kill();
        query.waitForFinished();
        return false;
    }
    return query.exitStatus() == QProcess::NormalExit && query.exitCode() == 0 &&
           !query.readAllStandardOutput().trimmed().isEmpty();
}

} // namespace

std::optional<FontChoice> QtPrompts::ChooseFont(const FontChoice& current, int minPoints, int maxPoints) {
    FontChoiceDialog dialog(current, minPoints, maxPoints, Parent());
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

bool QtShell::OpenLink(const std::string& url) {
    const QUrl link(ToQ(url), QUrl::StrictMode);
    if (link.isLocalFile() && !HasProgramFor(link.toLocalFile())) return false;
    return QDesktopServices::openUrl(link);
}

} // namespace mcb
