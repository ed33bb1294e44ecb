#include "discs/ui/TEditDisk.h"

#include "discs/ui/PictureBox.h"
#include "discs/ui/PictureLoader.h"
#include "discs/ui/PictureRequests.h"
#include "platform/ShownText.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/ModalRun.h"
#include "platform/qt/QtText.h"
#include "storage/Layout.h"
#include "storage/Literal.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>

namespace mcb {

namespace {

constexpr int kHelpTopic = 16;
const char* const kPictureFilter =
    "All (*.gif;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf)|*.gif;*.jpg;*.jpeg;*.bmp;*.ico;*.emf;*.wmf|JPEG Image File "
    "(*.jpeg;*.jpg)|*.jpeg;*.jpg|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles "
    "(*.wmf)|*.wmf";

// The masked year: four positions, untyped ones blank; nothing typed at all is no year.
std::string YearText(const QLineEdit& edit) {
    QString text = edit.displayText().replace(QLatin1Char('_'), QLatin1Char(' '));
    return text.trimmed().isEmpty() ? std::string() : FromQ(text);
}

QString DescriptionText(const QPlainTextEdit& edit) {
    return edit.toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// A field shows as much of its value as it can lay out quickly; as long as it shows what it was
// given, its value stays the stored one, however much of it the field could not show.
QString Shown(const std::string& value) {
    return ToShownQ(value, kShownFieldChars, kShownFieldChars);
}

QString ShownDescription(const std::string& value) {
    return ToShownQ(value, kShownFieldChars, kShownMemoChars);
}

bool Changed(const QLineEdit& edit, const std::string& stored) {
    return edit.text() != Shown(stored);
}

bool Changed(const QPlainTextEdit& edit, const std::string& stored) {
    return DescriptionText(edit) != ShownDescription(stored);
}

std::string Value(const QLineEdit& edit, const std::string& stored) {
    return Changed(edit, stored) ? FromQ(edit.text()) : stored;
}

} // namespace

TEditDisk::TEditDisk(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("EditDisk"));
    setWindowTitle(QStringLiteral("Диск"));
    ShowOnlyCloseBox(*this);
    setMinimumSize(374, 452);
    resize(374, 452);
    BuildControls();
    SetTabOrder();
    ConnectControls();
}

TEditDisk::~TEditDisk() = default;

void TEditDisk::ConnectControls() {
    connect(GenreBtn, &QPushButton::clicked, this, [this] { PickReference(GenreRef()); });
    connect(CountryBtn, &QPushButton::clicked, this, [this] { PickReference(CountryRef()); });
    connect(CompanyBtn, &QPushButton::clicked, this, [this] { PickReference(CompanyRef()); });
    connect(OtherBtn, &QPushButton::clicked, this, &TEditDisk::PickOwner);
    connect(CbOther, &QCheckBox::clicked, this, &TEditDisk::CbOtherClick);
    for (int k : {1, 2}) {
        decoded_[k - 1] = new PictureRequests(ShrunkToFit, this);
        connect(decoded_[k - 1], &PictureRequests::loaded, this, [this, k](const QString& path, const ShownPicture& p) {
            if (path == PathToQ(pictures_[k - 1])) Box(k)->SetImage(p.image);
        });
        connect(Box(k), &PictureBox::pressed, this, [this, k] { currentPicture_ = k; });
        connect(Box(k), &PictureBox::activated, this, [this, k] { ChoosePicture(k); });
        connect(Box(k), &PictureBox::menuRequested, this, [this](const QPoint& at) { PopImg->popup(at); });
    }
    connect(N1, &QAction::triggered, this, [this] { ChoosePicture(currentPicture_); });
    connect(N2, &QAction::triggered, this, [this] { RemovePicture(currentPicture_); });
    connect(BitBtn1, &QPushButton::clicked, this, &TEditDisk::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] {
        if (!ShowHelpTopic(this, kHelpTopic) && environment_)
            environment_->prompts.Message(W("Не найден файл справки"));
    });
}

void TEditDisk::ApplyStoredSize(int width, int height) {
    resize(width != 0 ? width : this->width(), height != 0 ? height : this->height());
}

bool TEditDisk::Edit(const DiscEditorEnvironment& environment, bool isNewDisc, const std::string& currentDiscId) {
    return Open(environment, isNewDisc, currentDiscId) && RunModal(*this) == QDialog::Accepted;
}

bool TEditDisk::Open(const DiscEditorEnvironment& environment, bool isNewDisc, const std::string& currentDiscId) {
    environment_.emplace(environment);
    editor_.emplace(DiscEditorContext{environment.catalogue,
                                      environment.baseDir,
                                      environment.prompts,
                                      {environment.journalFileName, environment.setup, environment.clock,
                                       environment.dateFormat, environment.catalogue.FileName()},
                                      &titles_});
    if (!editor_->MayChange()) return false;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    LayOut();
    ClearForm();
    CBpictCopy->setChecked(environment.setup.PictureCopy);
    if (isNewDisc && !editor_->OpenNew()) return false;
    if (!isNewDisc) ShowRecord(editor_->OpenExisting(currentDiscId));
    EdNazva->setFocus();
    return true;
}

std::string TEditDisk::CurrentDiscId() const {
    return editor_ ? editor_->CurrentDiscId() : std::string();
}

void TEditDisk::ClearForm() {
    EdAudit->clear();
    EdAudit->addItems({QStringLiteral("Детский"), QStringLiteral("Молодежный"), QStringLiteral("Семейный"),
                       QStringLiteral("Только для взрослых")});
    EdCarrier->clear();
    const TableLayout& layout = environment_->layout;
    for (int i = 0; i <= layout.maxMedium && i < static_cast<int>(layout.media.size()); ++i)
        EdCarrier->addItem(ToQ(layout.media[i]));
    ShowRecord(DiscRecord{});
}

void TEditDisk::ShowRecord(const DiscRecord& r) {
    shown_ = r;
    EdNazva->setText(Shown(r.nam));
    EdNazva2->setText(Shown(r.nam2));
    genre_ = r.gen;
    country_ = r.cou;
    company_ = r.comp;
    owner_ = r.oth;
    for (const Reference& reference : {GenreRef(), CountryRef(), CompanyRef(), OwnerRef()}) ShowReference(reference);
    EdAudit->setCurrentIndex(r.aud >= 0 && r.aud < EdAudit->count() ? r.aud : -1);
    EdRoles->setText(Shown(r.rol));
    EdLong->setValue(r.lon);
    EdCarrier->setCurrentIndex(r.medium >= 0 && r.medium < EdCarrier->count() ? r.medium : -1);
    EdKolvo->setValue(r.count);
    EdOpis->setPlainText(ShownDescription(r.description));
    pictures_ = r.pictures;
    copies_ = {};
    for (int k : {1, 2}) {
        Box(k)->SetImage({});
        ShowPicture(k);
    }
    CbOther->setChecked(owner_ != "-1");
    SetOwnerControls(CbOther->isChecked());
    EdDirector->setText(Shown(r.dir));
    EdYear->setText(ToShownQ(r.year, kShownCellChars, kShownCellChars));
    EdYear->setCursorPosition(0);
}

DiscRecord TEditDisk::FormRecord() const {
    DiscRecord r;
    r.nam = Value(*EdNazva, shown_.nam);
    r.nam2 = Value(*EdNazva2, shown_.nam2);
    r.gen = genre_;
    r.aud = EdAudit->currentIndex();
    r.rol = Value(*EdRoles, shown_.rol);
    r.cou = country_;
    r.lon = EdLong->value();
    r.medium = EdCarrier->currentIndex();
    r.count = EdKolvo->value();
    r.description = Changed(*EdOpis, shown_.description) ? FromQ(DescriptionText(*EdOpis)) : shown_.description;
    r.pictures = pictures_;
    r.oth = owner_;
    r.comp = company_;
    r.dir = Value(*EdDirector, shown_.dir);
    r.year = YearText(*EdYear);
    return r;
}

void TEditDisk::ShowReference(const Reference& reference) {
    const bool none = *reference.index == "-1";
    const std::string name =
        none ? std::string() : ReferenceName(environment_->catalogue, reference.section, *reference.index);
    reference.edit->setText(Shown(name));
}

bool TEditDisk::PickReference(const Reference& reference) {
    DictParams params{reference.kind, false, false, *reference.index};
    if (!environment_->picker.Pick(params)) return false;
    *reference.index = params.selection;
    ShowReference(reference);
    return true;
}

void TEditDisk::PickOwner() {
    if (!PickReference(OwnerRef())) {
        // Ticking "Чужой диск" and then not choosing an owner unticks it again.
        CbOther->setChecked(owner_ != "-1");
        SetOwnerControls(CbOther->isChecked());
    }
}

void TEditDisk::SetOwnerControls(bool enabled) {
    EdOther->setEnabled(enabled);
    OtherBtn->setEnabled(enabled);
    OtherLbl->setEnabled(enabled);
}

void TEditDisk::CbOtherClick() {
    SetOwnerControls(CbOther->isChecked());
    if (CbOther->isChecked()) {
        PickOwner();
        return;
    }
    owner_ = "-1";
    EdOther->clear();
}

bool TEditDisk::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == EdGenre) PickReference(GenreRef());
        if (watched == EdCountry) PickReference(CountryRef());
        if (watched == EdCompany) PickReference(CompanyRef());
        if (watched == EdOther) PickOwner();
    }
    return QDialog::eventFilter(watched, event);
}

PictureBox* TEditDisk::Box(int k) const {
    return k == 1 ? Pict1 : Pict2;
}

// A path whose file does not exist leaves the box as it is.
void TEditDisk::ShowPicture(int k) {
    const QString path = PathToQ(pictures_[k - 1]);
    decoded_[k - 1]->Cancel();
    if (path.isEmpty() || !QFileInfo::exists(path)) return;
    if (const auto picture = decoded_[k - 1]->Request(path, Box(k)->size())) Box(k)->SetImage(picture->image);
}

void TEditDisk::ChoosePicture(int k) {
    const auto chosen = environment_->prompts.OpenFileName({W("Открыть"), kPictureFilter, pictures_[k - 1]});
    if (!chosen) return;
    // The copy itself is made when the disc is saved.
    const bool copy = CBpictCopy->isChecked();
    if (RefuseUnstorable(PathToQ(copy ? editor_->PictureCopyPath(k, *chosen) : *chosen), StoreTarget::PicturePath))
        return;
    pictures_[k - 1] = *chosen;
    copies_[k - 1] = copy;
    ShowPicture(k);
}

void TEditDisk::RemovePicture(int k) {
    pictures_[k - 1].clear();
    copies_[k - 1] = false;
    decoded_[k - 1]->Cancel();
    Box(k)->SetImage({});
}

// Text that Windows-1251 cannot hold would turn into "?" in the file (in a picture path "?" even
// stands for the catalogue folder); the user corrects it first.
bool TEditDisk::RefuseUnstorable(const QString& text, StoreTarget target) {
    return !StorableFromQ(text, environment_->prompts, target);
}

// Only what the user changed: an untouched field keeps its stored bytes.
bool TEditDisk::RefuseUnstorableFields() {
    QString text;
    const std::pair<const QLineEdit*, const std::string*> fields[] = {
        {EdNazva, &shown_.nam}, {EdNazva2, &shown_.nam2}, {EdRoles, &shown_.rol}, {EdDirector, &shown_.dir}};
    for (const auto& [edit, stored] : fields)
        if (Changed(*edit, *stored)) text += edit->text();
    if (Changed(*EdOpis, shown_.description)) text += EdOpis->toPlainText();
    return RefuseUnstorable(text, StoreTarget::Catalogue);
}

void TEditDisk::BitBtn1Click() {
    if (RefuseUnstorableFields()) return;
    DiscRecord record = FormRecord();
    const SaveResult result = editor_->Save(record, copies_);
    if (result == SaveResult::Saved) {
        accept();
        return;
    }
    if (result == SaveResult::Reloaded) {
        reject();
        return;
    }
    // The trimmed names are shown, and kept, as the values of the fields now.
    shown_.nam = record.nam;
    shown_.nam2 = record.nam2;
    EdNazva->setText(Shown(record.nam));
    EdNazva2->setText(Shown(record.nam2));
}

void TEditDisk::done(int result) {
    if (environment_) environment_->setup.PictureCopy = CBpictCopy->isChecked();
    QDialog::done(result);
}

// The pictures follow the boxes' new size; the old image is shown shrunk meanwhile.
void TEditDisk::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayOut();
    if (!environment_) return;
    for (int k : {1, 2}) ShowPicture(k);
}

} // namespace mcb
