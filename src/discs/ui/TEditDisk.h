// The disc editor window "Диск": one instance for the whole run, shown modally in add or edit mode.
// It shows the record that the core's DiscEditor hands out and gives the user's input back to it.
#pragma once

#include "discs/DiscEditor.h"
#include "lists/DictTypes.h"
#include "storage/Storable.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QAction;

namespace mcb {

class PictureBox;
class PictureRequests;
class TIniFile;
struct SetupSettings;
struct TableLayout;

// What one opening works with; the main window makes it from its session.
struct DiscEditorEnvironment {
    TIniFile& catalogue;
    std::string baseDir; // catalogue folder with its trailing "/"
    std::string journalFileName;
    SetupSettings& setup; // journal settings; PictureCopy is read on opening and given back on closing
    const Clock& clock;
    const DateFormat& dateFormat;
    Prompts& prompts;
    ListPicker& picker;
    const TableLayout& layout;
};

class TEditDisk : public QDialog {
    Q_OBJECT
public:
    explicit TEditDisk(QWidget* parent = nullptr);
    ~TEditDisk() override;

    // The stored size "EditWidth"/"EditHeight"; 0 keeps the designed size.
    void ApplyStoredSize(int width, int height);

    // Clears and fills the form for add mode (a new identifier) or for the disc to edit; false when
    // the catalogue has no identifier left for a new disc (the user was told).
    bool Open(const DiscEditorEnvironment& environment, bool isNewDisc, const std::string& currentDiscId);
    // Open, then shown modally; true when the disc was saved.
    bool Edit(const DiscEditorEnvironment& environment, bool isNewDisc, const std::string& currentDiscId);

    // The identifier of the disc of the last opening (the new one in add mode).
    std::string CurrentDiscId() const;
    const std::array<std::string, 2>& picturePaths() const { return pictures_; }

    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Reference {
        DictKind kind;
        const char* section;
        std::string* index;
        QLineEdit* edit;
    };

    void BuildControls();
    QWidget* BuildFields();
    void BuildPictures();
    void ConnectControls();
    void SetTabOrder();
    void LayOut();

    void ClearForm();
    void ShowRecord(const DiscRecord& record);
    DiscRecord FormRecord() const;
    void ShowReference(const Reference& reference);
    bool PickReference(const Reference& reference);
    Reference GenreRef() { return {DictKind::Genres, "Genres", &genre_, EdGenre}; }
    Reference CountryRef() { return {DictKind::Countries, "Countries", &country_, EdCountry}; }
    Reference CompanyRef() { return {DictKind::Companies, "Company", &company_, EdCompany}; }
    Reference OwnerRef() { return {DictKind::Contacts, "Contacts", &owner_, EdOther}; }
    void PickOwner();
    void SetOwnerControls(bool enabled);
    void CbOtherClick();

    void ChoosePicture(int k);
    void RemovePicture(int k);
    // Box k shows its picture once it has been decoded at the box's size.
    void ShowPicture(int k);
    PictureBox* Box(int k) const;

    void BitBtn1Click();
    bool RefuseUnstorable(const QString& text, StoreTarget target);
    bool RefuseUnstorableFields();

public:
    // Controls, named as the window's controls.
    QLineEdit* EdNazva;
    QLineEdit* EdNazva2;
    QLineEdit* EdGenre;
    QPushButton* GenreBtn;
    QComboBox* EdAudit;
    QLineEdit* EdRoles;
    QLineEdit* EdCompany;
    QPushButton* CompanyBtn;
    QLineEdit* EdDirector;
    QLineEdit* EdYear;
    QLineEdit* EdCountry;
    QPushButton* CountryBtn;
    QSpinBox* EdLong;
    QComboBox* EdCarrier;
    QSpinBox* EdKolvo;
    QCheckBox* CbOther;
    QLabel* OtherLbl;
    QLineEdit* EdOther;
    QPushButton* OtherBtn;
    QPlainTextEdit* EdOpis;
    PictureBox* Pict1;
    PictureBox* Pict2;
    QMenu* PopImg;
    QAction* N1;
    QAction* N2;
    QCheckBox* CBpictCopy;
    QLabel* kopir;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;

private:
    QWidget* fields_ = nullptr;
    QLabel* opisLabel_ = nullptr;
    QLabel* picturesLabel_ = nullptr;
    QLabel* copyLabel_ = nullptr;

    std::optional<DiscEditorEnvironment> environment_;
    std::optional<DiscEditor> editor_;
    std::string genre_ = "-1";
    std::string country_ = "-1";
    std::string company_ = "-1";
    std::string owner_ = "-1";
    DiscRecord shown_; // the values the fields show, whole; a field the user changed gives its own text
    std::array<std::string, 2> pictures_;
    PictureCopies copies_{}; // pictures chosen in this opening to be copied when the disc is saved
    std::array<PictureRequests*, 2> decoded_{};
    int currentPicture_ = 1;
};

} // namespace mcb
